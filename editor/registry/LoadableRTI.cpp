#include "editor/registry/LoadableRTI.h"

FW_IMPLEMENT_DYNAMIC(CLoadableRTI, fw::Object)
