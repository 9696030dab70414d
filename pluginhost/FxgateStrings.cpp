#include "pluginhost/FxgateStrings.h"

#include "platform/LanguageId.h"
#include "platform/OwnResources.h"

#include <map>
#include <mutex>

const platform::LangResources& FxgateResources()
{
    // The language the system's own lookup picks for the user, once per
    // process as the system picks it.
    static const platform::LangResources resources(
        platform::OwnResources(), platform::LangResources::OrdinaryLanguages(platform::SystemDefaultLangId()));
    return resources;
}

const QnRcStr& FxgateRc()
{
    static const QnRcStr* rc = [] {
        auto* table = new QnRcStr(0);
        table->SetResourceModule(std::make_shared<platform::ResourceStringSource>(FxgateResources()));
        return table;
    }();
    return *rc;
}

const char* FxgateText(int id)
{
    // Callers keep the pointer: each text is kept for the life of the
    // process once asked for.
    static std::mutex mutex;
    static std::map<int, std::string> texts;
    const std::lock_guard lock(mutex);
    if (const auto kept = texts.find(id); kept != texts.end())
        return kept->second.c_str();
    if (id < 0)
        return nullptr;
    std::optional<std::string> text = FxgateResources().FindString(uint32_t(id));
    if (!text)
        return nullptr;
    return texts.emplace(id, std::move(*text)).first->second.c_str();
}

platform::DialogTexts FxgateDialogTexts(uint32_t dialogId)
{
    const auto bytes = FxgateResources().FindResource(dialogId, platform::ResourceType::Dialog);
    return bytes ? platform::ParseDialogTexts(*bytes) : platform::DialogTexts();
}
