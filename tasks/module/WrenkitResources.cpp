// The module's libraries read its strings for as long as it is loaded; on
// unload they are taken back, since the libraries may outlive the module's
// resource section.
#include "base/QnRcStr.h"
#include "platform/OwnResources.h"
#include "tasks/module/LdModuleHelp.h"

#include <exception>

namespace {

struct ModuleStrings {
    ModuleStrings()
    {
        // A damaged table must not stop the module from loading: the texts
        // then name their ids.
        try {
            LdModuleStrings().SetResourceModule(platform::OwnStringSource());
        } catch (const std::exception&) {
        }
    }
    ~ModuleStrings() { LdModuleStrings().SetResourceModule(nullptr); }
};

const ModuleStrings kStrings;

}  // namespace
