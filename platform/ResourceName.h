// The type or id of a resource: a number, or a name compared without case
// (as resource names are on the system the modules come from).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Numbers of the standard resource types.
namespace ResourceType {
constexpr uint32_t Bitmap = 2;
constexpr uint32_t Menu = 4;
constexpr uint32_t Dialog = 5;
constexpr uint32_t String = 6;
constexpr uint32_t RcData = 10;
} // namespace ResourceType

class ResourceName {
public:
    ResourceName(uint32_t number) : number_(number) {}
    ResourceName(std::string name) : named_(true), name_(std::move(name)) {}
    ResourceName(const char* name) : ResourceName(std::string(name)) {}

    bool IsNumber() const { return !named_; }
    uint32_t Number() const { return number_; }
    const std::string& Name() const { return name_; }

    // Same number, or same name without regard to case.
    bool operator==(const ResourceName& other) const;

    // "16000" or "\"PiPL\"", for messages.
    std::string Text() const;

    // A text that two names share exactly when they are equal (==), for
    // indexing them.
    std::string Key() const;
    // The key of a type and id together.
    static std::string PairKey(const ResourceName& type, const ResourceName& id);

private:
    bool named_ = false;
    uint32_t number_ = 0;
    std::string name_;
};

} // namespace platform
