// The window classes the library registers for dialog templates to name.
// Registration of a class is counted across the process: the first user
// registers it and the last one unregisters it, so users that overlap (two
// dialogs, a client and a dialog) never take the class from each other.
#pragma once

#include <cstdint>

class QWidget;
class ZvWindow;

constexpr const char* ZV_WATMB_CLASS = "ZV_WATMB";

// Both answer whether the class is registered afterwards.
bool ZvRegisterWaTmbClass();
bool ZvUnregisterWaTmbClass();
bool ZvIsWaTmbClassRegistered();

// A window of a registered class, by name (compared without case, as the
// system compares class names); null when no such class is registered.
ZvWindow* ZvCreateWindow(const char* className, QWidget* parent, uint32_t id, uint32_t style);

// Registers the picture control's class for as long as it lives.
class ZvWaTmbClassScope {
public:
    ZvWaTmbClassScope() { ZvRegisterWaTmbClass(); }
    ~ZvWaTmbClassScope() { ZvUnregisterWaTmbClass(); }
    ZvWaTmbClassScope(const ZvWaTmbClassScope&) = delete;
    ZvWaTmbClassScope& operator=(const ZvWaTmbClassScope&) = delete;
};
