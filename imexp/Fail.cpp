#include "imexp/Fail.h"

#include "platform/SystemError.h"

namespace imexp {

const char* const kCancelled = "cancelled by the user";

void Fail(const std::string& reason) { platform::RaiseError(reason, "imexp", 0); }

} // namespace imexp
