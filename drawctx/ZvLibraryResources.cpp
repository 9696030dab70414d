#include "drawctx/ZvLibraryResources.h"

#include "drawctx/ZvLangSp.h"
#include "platform/LanguageId.h"
#include "platform/OwnResources.h"

#include <algorithm>

const platform::ResourceTable& ZvLibraryResources()
{
    static const platform::ResourceTable table = platform::OwnResources();
    return table;
}

const platform::LangResources& ZvLibraryLangResources()
{
    static const platform::LangResources resources = [] {
        std::vector<uint16_t> languages{GetForcedLangId()};
        for (uint16_t langId : platform::LangResources::OrdinaryLanguages(platform::SystemDefaultLangId()))
            if (std::find(languages.begin(), languages.end(), langId) == languages.end())
                languages.push_back(langId);
        return platform::LangResources(ZvLibraryResources(), std::move(languages));
    }();
    return resources;
}
