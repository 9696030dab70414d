#include "picture/PictureFileExcept.h"

void QnPictureFileExcept::do_raise() { throw *this; }
