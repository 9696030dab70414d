// The silent exception a picture raises when the import/export library
// could not read or write its file. Handlers that only know QnSilentExcept
// end the command quietly; the editor catches this one to show the
// library's reason ("Can't open picture a.png: not a picture file of a
// known format"), which the exception keeps since the library's own last
// error is gone by the next call.
#pragma once

#include "picture/SilentExcept.h"

#include <string>

class QnPictureFileExcept : public QnSilentExcept {
public:
    QnPictureFileExcept(std::string reason, bool userAbort) : reason_(std::move(reason)), userAbort_(userAbort) {}

    [[noreturn]] void do_raise() override;

    // The library's text, as ImExp_GetLastError gave it.
    const std::string& Reason() const { return reason_; }
    // The user stopped the work through the progress display: there is
    // nothing to report.
    bool IsUserAbort() const { return userAbort_; }

private:
    std::string reason_;
    bool userAbort_;
};
