// A storage descriptor: a value that names a place data objects are loaded
// from and saved to. It keeps at most one bound data object of each class,
// through a discardable link, so that the collector may drop it under memory
// pressure; the next request for that class then loads a new one.
#pragma once

#include "base/QnCriticalSection.h"
#include "lang/FlVal.h"

#include <map>
#include <typeindex>
#include <typeinfo>

class QnLsmHandle;
class QnLsmDataObj;
class PpQnLsmDataObj;
class PpQnLsmDsc;

class QnLsmDsc : public QnFlVal {
public:
    enum dh_mode : int32_t {
        DH_READ = 0,      // existing storage, read only
        DH_CREATE = 1,    // new storage (old content replaced), read and write
        DH_READWRITE = 2, // existing storage, read and write
    };

    // Notifications around a load or save, told whether an object was bound
    // already (nothing is then read or written) and how it ended.
    class LoadSync {
    public:
        LoadSync(const PpQnLsmDsc& dsc, int bound);
        ~LoadSync();
        LoadSync(const LoadSync&) = delete;
        LoadSync& operator=(const LoadSync&);
        void SetErrorFlag(int error) { error_ = error; }

    private:
        QnPp<QnLsmDsc> dsc_;
        int error_ = 0;
    };
    class SaveSync {
    public:
        SaveSync(const PpQnLsmDsc& dsc, int bound);
        // EndSave may raise: a descriptor that commits the written data only
        // at the end reports a failed commit to the saver, who would
        // otherwise take the save for done. While the save's own error
        // unwinds, a failing EndSave is cleanup and its error is dropped.
        ~SaveSync() noexcept(false);
        SaveSync(const SaveSync&) = delete;
        SaveSync& operator=(const SaveSync&);
        void SetErrorFlag(int error) { error_ = error; }
        void SetLossyFlag(int lossy) { lossy_ = lossy; }

    private:
        QnPp<QnLsmDsc> dsc_;
        int error_ = 0;
        int lossy_ = 0;
        int uncaught_; // exceptions in flight when the save began
    };

    // A new stream on the storage, released by the caller's qn_delete().
    virtual QnLsmHandle* Open(dh_mode mode) = 0;
    virtual void BeginLoad(int bound);
    virtual void EndLoad(int error);
    virtual void BeginSave(int bound);
    virtual void EndSave(int error, int lossy);

    // Set once an object was loaded from or saved exactly to the descriptor
    // through the cache; never cleared.
    int IsAssociated() const { return associated_; }
    // The bound object of class type, or null (for inspection).
    PpQnLsmDataObj FindBound(const std::type_info& type) const;

protected:
    explicit QnLsmDsc(int unique);
    ~QnLsmDsc() override;
    QnCriticalSection& GetCS() { return cs_; }

    void MarkDiscardableObjects(Visitor visit) override;
    void NoteObjectDiscarded(QnObj* obj) override;

private:
    friend class QnLsmDataObj;

    // Both under the collector's section, which reads and changes the table.
    void Insert(QnLsmDataObj* obj);

    struct QnLsmDOKLess {
        bool operator()(std::type_index a, std::type_index b) const { return a < b; }
    };

    QnCriticalSection cs_;
    std::map<std::type_index, QnLsmDataObj*, QnLsmDOKLess> table_;
    int associated_ = 0;
};

class PpQnLsmDsc : public QnPp<QnLsmDsc> {
public:
    using QnPp::QnPp;
    PpQnLsmDsc(const QnPp<QnLsmDsc>& other) : QnPp(other) {}
};
