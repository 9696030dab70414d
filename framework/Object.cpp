#include "framework/Object.h"

namespace fw {

const RuntimeClass Object::classInfo = {
    "CObject", static_cast<int32_t>(sizeof(Object)), RuntimeClass::kNoSchema, nullptr, nullptr, nullptr};
static const ClassRegistration objectRegistration(&Object::classInfo);

void Object::Serialize(Archive&) {}

}  // namespace fw
