// A module's string table read from its resources, for QnRcStr:
//   rc.SetResourceModule(std::make_shared<ResourceStringSource>(table));
// Given a LangResources, the strings come in its languages.
#pragma once

#include "platform/LangResources.h"
#include "platform/ResourceTable.h"

#include "base/QnRcStr.h"

#include <memory>

namespace platform {

class ResourceStringSource : public QnStringSource {
public:
    explicit ResourceStringSource(ResourceTable table) : resources_(std::move(table), std::vector<uint16_t>{}) {}
    explicit ResourceStringSource(LangResources resources) : resources_(std::move(resources)) {}

    // The strings of a module file, read without loading it.
    static std::shared_ptr<const ResourceStringSource> FromFile(const std::string& path);

    bool Find(int id, std::string& text) const override;

private:
    LangResources resources_;
};

} // namespace platform
