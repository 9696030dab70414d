// A module's string table read from its resources, for QnRcStr:
//   rc.SetResourceModule(std::make_shared<ResourceStringSource>(table));
#pragma once

#include "platform/ResourceTable.h"

#include "base/QnRcStr.h"

#include <memory>

namespace platform {

class ResourceStringSource : public QnStringSource {
public:
    explicit ResourceStringSource(ResourceTable table) : table_(std::move(table)) {}

    // The strings of a module file, read without loading it.
    static std::shared_ptr<const ResourceStringSource> FromFile(const std::string& path);

    bool Find(int id, std::string& text) const override;

private:
    ResourceTable table_;
};

} // namespace platform
