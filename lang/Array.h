// A growable array whose elements keep a stable 1-based index until they
// are removed, so that an index can serve as an identifier (function ids,
// the compiler's variables), and its enumerators.
#pragma once

#include "base/QnExcept.h"
#include "base/QnMemAlloc.h"

#include <cstdint>
#include <new>

template <class T>
class QnContainerEnum_;

template <class T>
class QnContainer_ {
public:
    virtual ~QnContainer_() = default;
    virtual int32_t GetCount() const = 0;
    virtual int32_t Add(const T& element) = 0;
    virtual void Remove(int32_t index) = 0;
    virtual bool IsValid(int32_t index) const = 0;
    virtual T& Get(int32_t index) = 0;
    virtual void RemoveAll() = 0;
    // A new enumerator, already reset; the caller deletes it.
    virtual QnContainerEnum_<T>* CreateEnum(int backward) = 0;
};

template <class T>
class QnContainerEnum_ {
public:
    virtual ~QnContainerEnum_() = default;
    virtual int32_t GetCount() const = 0;
    virtual void Reset() = 0;
    // The next element and its 1-based index (when index is not null);
    // false, a null element and index 0 at the end.
    virtual bool Next(T*& element, int32_t* index) = 0;
    virtual QnContainerEnum_<T>* Clone() const = 0;
};

template <class T>
class QnArrayEnum_;

template <class T>
class QnArray_ : public QnContainer_<T> {
public:
    // The slot block grows by growth slots at a time; it comes from
    // allocator (plain memory when null).
    explicit QnArray_(int32_t growth = 16, QnMemAlloc* allocator = nullptr) : allocator_(allocator), growth_(growth) {}
    ~QnArray_() override
    {
        if (slots_) {
            for (int32_t i = capacity_; i-- > 0;)
                slots_[i].~Slot();
            QnOperatorDelete(slots_);
        }
    }
    QnArray_(const QnArray_&) = delete;
    QnArray_& operator=(const QnArray_&) = delete;

    int32_t GetCount() const override { return used_; }
    int32_t GetCapacity() const { return capacity_; }

    // Stores a copy and returns its index. Indexes are handed out in
    // increasing order; freed slots are reused, lowest first, only once the
    // hint has run to the end of the block.
    int32_t Add(const T& element) override
    {
        if (hint_ >= capacity_) {
            if (used_ == capacity_)
                Grow();
            else
                hint_ = FirstFreeFrom(0);
        }
        Slot& slot = slots_[hint_];
        slot.element = element;
        slot.used = 1;
        ++used_;
        const int32_t index = hint_ + 1;
        hint_ = FirstFreeFrom(hint_ + 1);
        return index;
    }

    // The hint stays where it is: a freed slot waits until the hint wraps.
    void Remove(int32_t index) override
    {
        if (!IsValid(index))
            return;
        Slot& slot = slots_[index - 1];
        slot.used = 0;
        slot.element = T();
        --used_;
    }

    bool IsValid(int32_t index) const override
    {
        return used_ > 0 && index >= 1 && index <= capacity_ && slots_[index - 1].used;
    }

    T& Get(int32_t index) override
    {
        if (!IsValid(index))
            QnRangeExcept("Flarray", __LINE__).raise();
        return slots_[index - 1].element;
    }
    const T& Get(int32_t index) const { return const_cast<QnArray_*>(this)->Get(index); }

    void RemoveAll() override
    {
        hint_ = 0;
        used_ = 0;
        for (int32_t i = capacity_; i-- > 0;) {
            slots_[i].used = 0;
            slots_[i].element = T();
        }
    }

    QnContainerEnum_<T>* CreateEnum(int backward) override { return new QnArrayEnum_<T>(this, backward); }

private:
    friend class QnArrayEnum_<T>;

    struct Slot {
        T element{};
        int32_t used = 0;
    };

    int32_t FirstFreeFrom(int32_t i) const
    {
        while (i < capacity_ && slots_[i].used)
            ++i;
        return i;
    }

    void Grow()
    {
        const int32_t capacity = capacity_ + growth_;
        auto* slots = static_cast<Slot*>(QnOperatorNew(sizeof(Slot) * size_t(capacity), allocator_));
        if (!slots)
            qn_standard_new_handler(0);
        for (int32_t i = capacity; i-- > capacity_;)
            new (&slots[i]) Slot();
        for (int32_t i = capacity_; i-- > 0;) {
            new (&slots[i]) Slot(slots_[i]);
            slots_[i].~Slot();
        }
        QnOperatorDelete(slots_);
        slots_ = slots;
        hint_ = capacity_;
        capacity_ = capacity;
    }

    QnMemAlloc* allocator_;
    Slot* slots_ = nullptr;
    int32_t capacity_ = 0;
    int32_t hint_ = 0; // a free slot, or the capacity
    int32_t used_ = 0;
    int32_t growth_;
};

template <class T>
class QnArrayEnum_ : public QnContainerEnum_<T> {
public:
    QnArrayEnum_(QnArray_<T>* array, int backward) : array_(array), backward_(backward) { Reset(); }

    int32_t GetCount() const override { return array_->GetCount(); }
    void Reset() override { position_ = backward_ ? array_->capacity_ - 1 : 0; }

    bool Next(T*& element, int32_t* index) override
    {
        const int32_t step = backward_ ? -1 : 1;
        for (; position_ >= 0 && position_ < array_->capacity_; position_ += step) {
            if (array_->slots_[position_].used) {
                element = &array_->slots_[position_].element;
                if (index)
                    *index = position_ + 1;
                position_ += step;
                return true;
            }
        }
        position_ = backward_ ? -1 : array_->capacity_;
        element = nullptr;
        if (index)
            *index = 0;
        return false;
    }

    // Reset, not at this enumerator's position.
    QnContainerEnum_<T>* Clone() const override { return new QnArrayEnum_<T>(array_, backward_); }

private:
    QnArray_<T>* array_;
    int backward_;
    int32_t position_ = 0;
};
