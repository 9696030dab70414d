// A load/save descriptor that names a file. Descriptors of existing files
// are interned by name, so every object loaded from one file shares one
// descriptor. A save never writes the named file itself: it fills a
// temporary file beside it and renames that over the file only when it is
// complete and flushed, after giving any other descriptor that still reads
// the old file a private copy of it.
#pragma once

#include "lang/LsmDsc.h"

#include <cstddef>
#include <cstdint>

class QnFileDescriptor : public QnLsmDsc {
public:
    enum fd_type : int32_t {
        FD_EXISTING = 0,  // an existing file, interned by name
        FD_NEW = 1,       // a file that its first save makes
        FD_TEMPORARY = 2, // a temporary file, deleted with the descriptor
    };

    // An owned copy of a text, its length kept ahead of it; null stays null.
    class Str {
    public:
        Str() = default;
        ~Str() { Free(); }
        Str(const Str&) = delete;
        Str& operator=(const Str&) = delete;

        // Copies text first, so it may be this string's own text.
        void settext(const char* text);
        operator const char*() const { return text_; }
        size_t length() const;

    private:
        void Free();
        char* text_ = nullptr;
    };

    const char* GetFileName() const { return fileName_; }
    // The file that loads read: the named file, a save's temporary file
    // while the save runs, or a private copy after the descriptor was
    // detached from its file.
    const char* GetRealFileName() const { return realFileName_; }
    fd_type GetKind() const { return kind_; }
    // Nonzero while the real file belongs to the descriptor and goes with it.
    int32_t IsTemporary() const { return temporary_; }

    // Descriptors are equal only to themselves.
    int Compare(const PpQnFlVal& other) const override;
    QnLsmHandle* Open(dh_mode mode) override;
    void BeginLoad(int bound) override;
    void BeginSave(int bound) override;
    void EndSave(int error, int lossy) override;

    // Detaches the descriptor registered for name, if any: it leaves the
    // registry and reads on from a private copy of the file as it is now,
    // so the file may be replaced. A copy that cannot be made raises and
    // detaches nothing.
    static void Sync(const char* name);
    // Descriptors in the registry (for tests and diagnostics).
    static size_t RegisteredCount();

protected:
    friend struct ::QnObjCreator;
    QnFileDescriptor(const char* name, fd_type kind);
    ~QnFileDescriptor() override;

private:
    friend class PpQnFileDescriptor;

    static QnPp<QnFileDescriptor> Obtain(const char* name, fd_type kind);
    // Puts the finished temporary file in place of the named file; the
    // descriptor becomes an existing file's, registered unless lossy.
    void Sync(int lossy);
    // Gives up a save: its temporary file goes, loads read where they did.
    void AbandonSave();
    // Points the descriptor at a private copy of its file and unregisters it.
    void Detach();

    fd_type kind_;
    int32_t temporary_;
    Str fileName_;
    Str realFileName_;
    // Depth of the running saves (0: none), and where loads read before
    // the outermost began, restored if it fails.
    int32_t saving_ = 0;
    int32_t savedTemporary_ = 0;
    Str savedRealFileName_;
};

class PpQnFileDescriptor : public QnPp<QnFileDescriptor> {
public:
    using QnPp::QnPp;
    PpQnFileDescriptor(const QnPp<QnFileDescriptor>& other) : QnPp(other) {}
    // Kind FD_EXISTING gives the one registered descriptor of name, made on
    // the first request; the other kinds always give a new descriptor.
    PpQnFileDescriptor(const char* name, QnFileDescriptor::fd_type kind) : QnPp(QnFileDescriptor::Obtain(name, kind))
    {
    }
};
