#include "imexp/JpegError.h"

#include "imexp/Fail.h"

#include <jerror.h>
#include <string>

namespace imexp {

namespace {

std::string Text(j_common_ptr cinfo)
{
    char buffer[JMSG_LENGTH_MAX] = {};
    (*cinfo->err->format_message)(cinfo, buffer);
    return buffer;
}

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    Fail("the JPEG data is damaged (" + Text(cinfo) + ")");
}

void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;  // trace messages
    switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
        Fail("the JPEG data is cut short");
    case JWRN_HIT_MARKER:
    case JWRN_MUST_RESYNC:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
        Fail("the JPEG data is damaged (" + Text(cinfo) + ")");
    default:
        break;  // harmless oddities (extra bytes between markers and the like)
    }
}

void OutputMessage(j_common_ptr) {}

} // namespace

jpeg_error_mgr* JpegErrorManager::Install()
{
    jpeg_std_error(&mgr);
    mgr.error_exit = ErrorExit;
    mgr.emit_message = EmitMessage;
    mgr.output_message = OutputMessage;
    return &mgr;
}

} // namespace imexp
