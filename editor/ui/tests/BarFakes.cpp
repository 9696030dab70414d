#include "BarFakes.h"

FW_IMPLEMENT_DYNAMIC(CTextParams, fw::Object)
FW_IMPLEMENT_DYNAMIC(CBrushParams, fw::Object)
FW_IMPLEMENT_DYNAMIC(CFillParams, fw::Object)
