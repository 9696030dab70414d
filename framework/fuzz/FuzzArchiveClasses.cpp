#include "framework/fuzz/FuzzArchiveClasses.h"

FW_IMPLEMENT_SERIAL(CFuzzItem, fw::Object, 1)
// Versionable: reading takes any stored schema, as readers of old files do.
FW_IMPLEMENT_SERIAL(CFuzzNode, fw::Object, 2 | fw::RuntimeClass::kVersionableSchema)
