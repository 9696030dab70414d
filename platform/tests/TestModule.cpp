// A module that the platform tests load: it carries resources of its own
// and reports what it finds in its own section.
#include "platform/OwnResources.h"

#include "base/QnRcStr.h"

#include <cstring>

namespace {
QnRcStr rc(0);
}

extern "C" __attribute__((visibility("default"))) int TestModuleAnswer() { return 42; }

extern "C" __attribute__((visibility("default"))) int TestModuleOwnResourceCount()
{
    return int(platform::OwnResources().Count());
}

// Copies string id of the module's own table through its QnRcStr.
extern "C" __attribute__((visibility("default"))) void TestModuleOwnString(int id, char* buffer, size_t size)
{
    rc.SetResourceModule(platform::OwnStringSource());
    std::strncpy(buffer, rc(id).c_str(), size - 1);
    buffer[size - 1] = '\0';
}
