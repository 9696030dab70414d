// The picture document's save of its picture under a file name: the
// picture written through its file descriptor, in the format the name's
// extension asks for, replacing the file only once complete. This is what
// the document's DoSave with a path and no replace does.
#pragma once

#include "picture/Picture.h"

#include <string>

class QnProcessControl;

// False after a failure, which the user has been told of (a stop asked
// for through control is not one to tell).
bool LdSavePictureFile(const PpQnPicture& picture, const std::string& path, QnProcessControl* control = nullptr);
