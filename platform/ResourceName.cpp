#include "platform/ResourceName.h"

#include "platform/NoCase.h"

namespace platform {

bool ResourceName::operator==(const ResourceName& other) const
{
    if (named_ != other.named_)
        return false;
    return named_ ? EqualsNoCase(name_, other.name_) : number_ == other.number_;
}

std::string ResourceName::Text() const { return named_ ? "\"" + name_ + "\"" : std::to_string(number_); }

} // namespace platform
