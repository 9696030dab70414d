// Root of the framework's class system: run-time class, kind test and
// serialisation through an archive.
#pragma once

#include "framework/RuntimeClass.h"

namespace fw {

class Archive;

class Object {
public:
    static const RuntimeClass classInfo;

    Object() = default;
    virtual ~Object() = default;
    Object(const Object&) = default;
    Object& operator=(const Object&) = default;

    virtual const RuntimeClass* GetRuntimeClass() const { return &classInfo; }
    // Writes or reads the object's fields; the root has none.
    virtual void Serialize(Archive& ar);

    // True when the object's class is base or derives from it (by name).
    bool IsKindOf(const RuntimeClass* base) const { return GetRuntimeClass()->IsDerivedFrom(base); }
    bool IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }
};

}  // namespace fw
