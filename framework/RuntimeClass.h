// The run-time class record of the framework's objects: name, size, schema,
// creation function and base class. Records register themselves when their
// library is loaded, so objects can be made by class name and the base-class
// chain can be walked and compared by name (a module's own copy of a base
// class counts as that class).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace fw {

class Object;

struct RuntimeClass {
    // Schema of a class that can be created but not serialised.
    static constexpr uint32_t kNoSchema = 0xFFFF;
    // Set in schema when the class reads every stored schema itself
    // (Archive::GetObjectSchema tells which).
    static constexpr uint32_t kVersionableSchema = 0x80000000u;

    const char* className;
    int32_t objectSize;
    uint32_t schema;
    Object* (*createObject)();
    const RuntimeClass* (*getBaseClass)();
    const RuntimeClass* next;

    // A new object of this class, or null when the class cannot be created.
    Object* CreateObject() const;
    const RuntimeClass* GetBaseClass() const { return getBaseClass ? getBaseClass() : nullptr; }
    // True when this class or one of its bases has the name of base.
    bool IsDerivedFrom(const RuntimeClass* base) const;
    bool IsDerivedFrom(std::string_view baseName) const;
    bool IsSerializable() const { return (schema & 0xFFFF) != kNoSchema && createObject != nullptr; }

    // The first registered class of that name (byte comparison), or null.
    static const RuntimeClass* FromName(std::string_view name);
    // Every registered class, in registration order.
    static std::vector<const RuntimeClass*> Registered();
};

// Keeps a record registered for as long as the library that holds it is
// loaded; the FW_IMPLEMENT_* macros make one per class.
class ClassRegistration {
public:
    explicit ClassRegistration(const RuntimeClass* record);
    ~ClassRegistration();
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;

private:
    const RuntimeClass* record_;
};

}  // namespace fw

#define FW_RUNTIME_CLASS(cls) (&cls::classInfo)

// In the class body.
#define FW_DECLARE_DYNAMIC(cls)                          \
public:                                                  \
    static const ::fw::RuntimeClass classInfo;           \
    const ::fw::RuntimeClass* GetRuntimeClass() const override { return &classInfo; }

#define FW_DECLARE_DYNCREATE(cls) \
    FW_DECLARE_DYNAMIC(cls)       \
    static ::fw::Object* CreateObject();

#define FW_DECLARE_SERIAL(cls) FW_DECLARE_DYNCREATE(cls)

// In one source file. The name is the class as written, which is what
// archives store for serialisable classes.
#define FW_IMPLEMENT_RUNTIMECLASS_NAMED(cls, name, base, schema, create)                                       \
    const ::fw::RuntimeClass cls::classInfo = {                                                                \
        name, static_cast<int32_t>(sizeof(cls)), schema, create,                                               \
        []() -> const ::fw::RuntimeClass* { return &base::classInfo; }, nullptr};                              \
    static const ::fw::ClassRegistration fwRegistrationOf##cls(&cls::classInfo);

#define FW_IMPLEMENT_DYNAMIC(cls, base) \
    FW_IMPLEMENT_RUNTIMECLASS_NAMED(cls, #cls, base, ::fw::RuntimeClass::kNoSchema, nullptr)

#define FW_IMPLEMENT_DYNCREATE(cls, base)                           \
    ::fw::Object* cls::CreateObject() { return new cls; }           \
    FW_IMPLEMENT_RUNTIMECLASS_NAMED(cls, #cls, base, ::fw::RuntimeClass::kNoSchema, &cls::CreateObject)

#define FW_IMPLEMENT_SERIAL(cls, base, schema)              \
    ::fw::Object* cls::CreateObject() { return new cls; }   \
    FW_IMPLEMENT_RUNTIMECLASS_NAMED(cls, #cls, base, schema, &cls::CreateObject)
