// The export library's option text for the last save of a picture: a locked
// global block that the picture keeps and hands back, never reads.
#pragma once

class QnSaveOptions {
public:
    QnSaveOptions() = default;
    explicit QnSaveOptions(const char* text) { Set(text); }
    QnSaveOptions(const QnSaveOptions& other) { Set(other.ptr_); }
    QnSaveOptions& operator=(const char* text);
    QnSaveOptions& operator=(const QnSaveOptions& other);
    ~QnSaveOptions() { Free(); }

    // Copies the global block that text lives in, as large as that block;
    // text outside any global block is copied up to its terminating zero.
    // Null does nothing.
    void Set(const char* text);
    void Free();

    // The export library may replace the block through this.
    char** GetPtrRef() { return &ptr_; }
    operator const char*() const { return ptr_; }

private:
    char* ptr_ = nullptr;
};
