#include "editor/loadable/LdLoadable.h"

#include <algorithm>

#include "editor/loadable/LdModule.h"
#include "framework/App.h"
#include "framework/DataExchange.h"

FW_IMPLEMENT_DYNCREATE(CLdLoadable, fw::Object)

namespace {

// At most max characters of UTF-8 text, never cutting inside one.
std::string CutToCharacters(std::string text, size_t max)
{
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (characters == max) {
            text.resize(i);
            break;
        }
        ++characters;
    }
    return text;
}

}  // namespace

CLdLoadable::CLdLoadable() = default;

CLdLoadable::CLdLoadable(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId,
                         int32_t helpId)
    : name_(std::move(name)), titleId_(titleId), tipId_(tipId), commentId_(commentId), bitmapId_(bitmapId),
      helpId_(helpId)
{
    LoadToolList();
}

CLdLoadable::~CLdLoadable() = default;

int CLdLoadable::Execute() { return 1; }
int CLdLoadable::IsSequence() { return 0; }
int CLdLoadable::AcceptsAnyPicture() { return 0; }
int CLdLoadable::GetHelpId() { return helpId_; }
int CLdLoadable::WantsPicture() { return 0; }
int CLdLoadable::NeedsDocument() { return 1; }
void CLdLoadable::SetPicture(void*, uint32_t) {}
void CLdLoadable::SetParams(fw::Object*) {}

void CLdLoadable::ShowComment(QWidget* box)
{
    if (box)
        fw::SetControlText(box, GetComment());
}

std::string CLdLoadable::LoadResString(int32_t id) const
{
    if (!module_)
        return {};
    std::optional<std::string> text = module_->FindString(id);
    return text ? CutToCharacters(std::move(*text), kMaxStringLength) : std::string();
}

std::vector<uint8_t> CLdLoadable::LoadButtonBitmap() const
{
    return module_ ? module_->FindBitmap(bitmapId_) : std::vector<uint8_t>();
}

void CLdLoadable::LoadToolList()
{
    // The settings are the editor's: a module's object is made while the
    // editor's application is the current one.
    fw::App* app = fw::App::Get();
    if (!app)
        return;
    const int32_t count = std::min(app->GetProfileInt(name_, "tools", 0), kMaxToolNames);
    for (int32_t i = 0; i < count; ++i)
        toolNames_.push_back(app->GetProfileString(name_, "tool" + std::to_string(i), ""));
}
