// Everything a library that defines collectable classes needs.
#pragma once

#include "gc/QnGcGuards.h"
#include "gc/QnObj.h"
#include "gc/QnObjLock.h"
#include "gc/QnObjProtect.h"
#include "gc/QnPp.h"
#include "gc/QnStdAlloc.h"
