#include "framework/RuntimeClass.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "framework/Object.h"

namespace fw {
namespace {

struct Registry {
    std::mutex mutex;
    std::vector<const RuntimeClass*> classes;
};

Registry& TheRegistry()
{
    // Never destroyed: libraries unloaded at exit still deregister.
    static Registry* registry = new Registry;
    return *registry;
}

}  // namespace

Object* RuntimeClass::CreateObject() const
{
    return createObject ? createObject() : nullptr;
}

bool RuntimeClass::IsDerivedFrom(const RuntimeClass* base) const
{
    return base && IsDerivedFrom(std::string_view(base->className));
}

bool RuntimeClass::IsDerivedFrom(std::string_view baseName) const
{
    for (const RuntimeClass* c = this; c; c = c->GetBaseClass()) {
        if (baseName == c->className)
            return true;
        if (c->GetBaseClass() == c)
            break;
    }
    return false;
}

const RuntimeClass* RuntimeClass::FromName(std::string_view name)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    for (const RuntimeClass* c : registry.classes)
        if (name == c->className)
            return c;
    return nullptr;
}

std::vector<const RuntimeClass*> RuntimeClass::Registered()
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.classes;
}

ClassRegistration::ClassRegistration(const RuntimeClass* record) : record_(record)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.classes.push_back(record);
}

ClassRegistration::~ClassRegistration()
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto& v = registry.classes;
    v.erase(std::remove(v.begin(), v.end(), record_), v.end());
}

}  // namespace fw
