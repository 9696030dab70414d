// libjpeg's error handling for both directions: errors and the warnings that
// mean damaged data raise our exception (libjpeg's own exit would end the
// program), and nothing is printed.
#pragma once

#include <cstdio>
#include <jpeglib.h>

namespace imexp {

struct JpegErrorManager {
    jpeg_error_mgr mgr{};
    jpeg_error_mgr* Install();
};

} // namespace imexp
