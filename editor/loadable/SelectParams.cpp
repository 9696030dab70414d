#include "editor/loadable/SelectParams.h"

FW_IMPLEMENT_DYNCREATE(CSelectParams, fw::Object)
