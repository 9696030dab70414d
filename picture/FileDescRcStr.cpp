#include "picture/FileDescRcStr.h"

namespace {

const QnStringTableEntry kFileDescStrings[] = {
    {QN_FDSC_CANT_LOAD_NEW, "Can't load from newly created file"},
    {QN_FDSC_CANT_SAVE_TEMP, "Can't save object to temporary file"},
    {QN_FDSC_CANT_OPEN, "Can't open file"},
    {QN_FDSC_CANT_DUP, "Can't duplicate file handle"},
    {QN_FDSC_READ_ERROR, "Error reading file"},
    {QN_FDSC_PREMATURE_EOF, "Premature end-of-file"},
    {QN_FDSC_WRITE_ERROR, "Error writing file"},
    {QN_FDSC_DISK_FULL, "Disk full"},
    {QN_FDSC_SET_LENGTH_ERROR, "Error setting file length"},
    {QN_FDSC_SEEK_ERROR, "Error seeking file"},
};

struct FileDescStrings {
    FileDescStrings() { rc.SetTable(kFileDescStrings); }
    QnRcStr rc{0};
};

} // namespace

QnRcStr& QnFileDescRcStr()
{
    static FileDescStrings strings;
    return strings.rc;
}
