// A hash map from a key to a non-null pointer, kept in one array with
// linear probing: a lookup reads a few neighbouring slots instead of a
// bucket and a node of its own, an insertion allocates nothing until the
// array grows (at three quarters full), and a walk over the entries reads
// the array in order. A null pointer marks an empty slot. Erasing shifts the following entries
// of the run back, so no tombstones pile up. The array shrinks only on
// insertion, not while entries go: erasing in the order of the array would
// otherwise pack what is left into the upper end of each smaller array, one
// long run.
//
// The members are those of std::unordered_map that the sharing tables use;
// an erase or an insertion invalidates iterators.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <class Key, class T, class Hash>
class QnFlatHashMap {
public:
    struct Slot {
        Key first;
        T* second = nullptr;
    };

    class iterator {
    public:
        iterator(Slot* at, Slot* end) : at_(at), end_(end) { SkipEmpty(); }
        Slot& operator*() const { return *at_; }
        Slot* operator->() const { return at_; }
        iterator& operator++()
        {
            ++at_;
            SkipEmpty();
            return *this;
        }
        bool operator==(const iterator& other) const { return at_ == other.at_; }

    private:
        friend class QnFlatHashMap;
        void SkipEmpty()
        {
            while (at_ != end_ && !at_->second)
                ++at_;
        }
        Slot* at_;
        Slot* end_;
    };

    QnFlatHashMap() : slots_(kMinCapacity), shift_(64 - std::countr_zero(kMinCapacity)) {}

    size_t size() const { return size_; }
    iterator begin() { return iterator(slots_.data(), End()); }
    iterator end() { return iterator(End(), End()); }
    iterator begin() const { return const_cast<QnFlatHashMap*>(this)->begin(); }
    iterator end() const { return const_cast<QnFlatHashMap*>(this)->end(); }

    iterator find(const Key& key) const
    {
        Slot* slots = const_cast<Slot*>(slots_.data());
        for (size_t i = Home(key);; i = Next(i)) {
            Slot& s = slots[i];
            if (!s.second)
                return end();
            if (s.first == key)
                return iterator(&s, End());
        }
    }

    // Enters value under key unless the key is taken; the entry and whether
    // value went in.
    std::pair<iterator, bool> emplace(const Key& key, T* value)
    {
        if (4 * (size_ + 1) > 3 * slots_.size())
            Rehash(2 * slots_.size());
        else
            ShrinkIfLongUnused();
        for (size_t i = Home(key);; i = Next(i)) {
            Slot& s = slots_[i];
            if (!s.second) {
                s.first = key;
                s.second = value;
                ++size_;
                windowPeak_ = std::max(windowPeak_, size_);
                return {iterator(&s, End()), true};
            }
            if (s.first == key)
                return {iterator(&s, End()), false};
        }
    }

    void erase(iterator it)
    {
        size_t hole = size_t(it.at_ - slots_.data());
        // Move back each later entry of the run whose home lies at or before
        // the hole, cyclically, so that every entry stays reachable from its home.
        for (size_t i = Next(hole); slots_[i].second; i = Next(i)) {
            const size_t home = Home(slots_[i].first);
            if (((i - home) & Mask()) >= ((i - hole) & Mask())) {
                slots_[hole] = slots_[i];
                hole = i;
            }
        }
        slots_[hole] = Slot{};
        --size_;
    }

    // Erases every entry for which pred (given the slot) holds, in one pass
    // over the array; returns how many went.
    template <class Pred>
    friend size_t erase_if(QnFlatHashMap& map, Pred pred)
    {
        // A slot empty before the erasure: no run passes it.
        size_t start = 0;
        while (map.slots_[start].second)
            start = map.Next(start);
        size_t erased = 0;
        for (Slot& s : map.slots_) {
            if (s.second && pred(s)) {
                s = Slot{};
                ++erased;
            }
        }
        if (erased) {
            map.size_ -= erased;
            map.CloseGaps(start);
        }
        return erased;
    }

    void clear()
    {
        slots_.assign(kMinCapacity, Slot{});
        shift_ = 64 - std::countr_zero(kMinCapacity);
        size_ = 0;
        windowPeak_ = windowInsertions_ = 0;
    }

private:
    static constexpr size_t kMinCapacity = 64;

    Slot* End() { return slots_.data() + slots_.size(); }
    Slot* End() const { return const_cast<Slot*>(slots_.data()) + slots_.size(); }
    size_t Mask() const { return slots_.size() - 1; }
    size_t Next(size_t i) const { return (i + 1) & Mask(); }
    // The high bits of the hash after a full mix: linear probing needs
    // homes spread evenly, which hashes of addresses are not.
    size_t Home(const Key& key) const
    {
        uint64_t h = uint64_t(Hash()(key));
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdull;
        h ^= h >> 33;
        h *= 0xc4ceb9fe1a85ec53ull;
        h ^= h >> 33;
        return size_t(h >> shift_);
    }

    // A table that empties and fills again, as one whose entries a
    // collection drops, keeps its array: only one that stayed small over a
    // quarter of its capacity's worth of insertions shrinks.
    void ShrinkIfLongUnused()
    {
        if (++windowInsertions_ < slots_.size() / 4)
            return;
        if (8 * windowPeak_ < slots_.size() && slots_.size() > kMinCapacity)
            Rehash(std::max(kMinCapacity, std::bit_ceil(4 * size_ + 4)));
        windowPeak_ = size_;
        windowInsertions_ = 0;
    }

    // After slots were emptied anywhere, puts each entry back at the first
    // free slot from its home, so that no gap cuts it off from its home.
    // start was empty before the slots were emptied, so no entry's way from
    // its home passes it: going round from there, every entry only moves
    // toward its home, over slots already settled.
    void CloseGaps(size_t start)
    {
        for (size_t n = 0, i = Next(start); n < slots_.size(); ++n, i = Next(i)) {
            if (!slots_[i].second)
                continue;
            const Slot entry = slots_[i];
            slots_[i] = Slot{};
            size_t at = Home(entry.first);
            while (slots_[at].second)
                at = Next(at);
            slots_[at] = entry;
        }
    }

    void Rehash(size_t capacity)
    {
        std::vector<Slot> old(capacity);
        old.swap(slots_);
        shift_ = 64 - std::countr_zero(capacity);
        for (const Slot& s : old) {
            if (!s.second)
                continue;
            size_t i = Home(s.first);
            while (slots_[i].second)
                i = Next(i);
            slots_[i] = s;
        }
    }

    std::vector<Slot> slots_;
    unsigned shift_;
    size_t size_ = 0;
    size_t windowPeak_ = 0;       // the largest size since the last check
    size_t windowInsertions_ = 0; // insertion attempts since the last check
};
