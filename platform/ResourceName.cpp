#include "platform/ResourceName.h"

#include "platform/NoCase.h"

namespace platform {

bool ResourceName::operator==(const ResourceName& other) const
{
    if (named_ != other.named_)
        return false;
    return named_ ? EqualsNoCase(name_, other.name_) : number_ == other.number_;
}

std::string ResourceName::Key() const
{
    if (!named_)
        return '#' + std::to_string(number_);
    std::string key = '$' + name_;
    for (char& c : key)
        c = FoldCase(c);
    return key;
}

std::string ResourceName::PairKey(const ResourceName& type, const ResourceName& id)
{
    // A stored name ends at its NUL, so the NUL cannot be part of a key.
    return type.Key() + '\0' + id.Key();
}

std::string ResourceName::Text() const { return named_ ? "\"" + name_ + "\"" : std::to_string(number_); }

} // namespace platform
