#include "drawctx/qt/ZvWindowClass.h"

#include "drawctx/qt/ZvWaTmbWnd.h"

#include <strings.h>

namespace {

// Windows are made and classes registered on the GUI thread only.
int& WaTmbUsers()
{
    static int users = 0;
    return users;
}

} // namespace

bool ZvRegisterWaTmbClass()
{
    ++WaTmbUsers();
    return true;
}

bool ZvUnregisterWaTmbClass()
{
    // An unregister without a register must not take the class from a user.
    if (WaTmbUsers() > 0)
        --WaTmbUsers();
    return WaTmbUsers() > 0;
}

bool ZvIsWaTmbClassRegistered() { return WaTmbUsers() > 0; }

ZvWindow* ZvCreateWindow(const char* className, QWidget* parent, uint32_t id, uint32_t style)
{
    if (className && strcasecmp(className, ZV_WATMB_CLASS) == 0 && ZvIsWaTmbClassRegistered())
        return new ZvWaTmbWnd(parent, id, style);
    return nullptr;
}
