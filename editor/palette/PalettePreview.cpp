#include "editor/palette/PalettePreview.h"

#include "editor/builtins/CheckedCast.h"
#include "editor/builtins/FL_Functions.h"
#include "editor/document/DocStrings.h"
#include "editor/operations/DibExport.h"
#include "editor/operations/FlRgn.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/operations/UserAbortExcept.h"
#include "editor/palette/LdPaletteItem.h"
#include "editor/palette/LdPlugInPaletteItem.h"
#include "editor/palette/PaletteLayout.h"
#include "editor/ui/WaitCursor.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "lang/LsmExcept.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "picture/FileDescriptor.h"
#include "picture/PictureFileExcept.h"
#include "render/RenderObj.h"
#include "render/Rgn.h"
#include "render/XFormXY.h"

namespace {

constexpr const char* kFile = "LdPaletteItem";

// The previews' picture cannot be read.
struct ImageSourceError {};

std::vector<uint8_t> Render(const CLdPaletteItem& item)
{
    WaitCursor wait;
    QnMachineContext machine;
    PpQnExpr picture;
    PpQnRenderObj source;
    try {
        const PpQnFileDescriptor file(LdImageSourcePath().c_str(), QnFileDescriptor::FD_EXISTING);
        picture = MakeLoadPictureExpr(PpQnLsmDsc(file));
        source = QnCheckedCast<QnRenderObj>(QnValueOf(machine.eval(picture, nullptr)), kFile, __LINE__);
    } catch (const QnPictureFileExcept& e) {
        if (e.IsUserAbort())
            throw;
        throw ImageSourceError{};
    } catch (const QnLsmExcept&) {
        throw ImageSourceError{};
    }
    const QnRect rect = source->GetRect(QnXFormXY());
    const PpQnExpr selection = MakeRgnToSelectExpr(MakeRgnValueExpr(QnRgn(rect)), 0, 0);
    const PpQnRenderObj result =
        QnCheckedCast<QnRenderObj>(QnValueOf(machine.eval(item.Apply(picture, selection), nullptr)), kFile, __LINE__);
    return RenderObjToDib(result, 3);
}

// One rendering from the current picture; a picture that cannot be read
// raises ImageSourceError, other failures answer false.
bool TryRender(CLdPaletteItem& item)
{
    try {
        std::vector<uint8_t> dib = Render(item);
        if (dib.empty())
            return false;
        item.SetImage(std::move(dib));
        return true;
    } catch (const ImageSourceError&) {
        throw;
    } catch (const fw::Exception&) {
        throw;
    } catch (...) {
        // A cancelled dialog or progress, or an effect that failed and
        // said so: the preview stays as it was.
        return false;
    }
}

enum class Outcome { Rendered, Failed, NoPicture };

// One rendering that reports a picture it cannot read; NoPicture when not
// even the program's own sample picture could be read.
Outcome RenderReporting(CLdPaletteItem& item)
{
    try {
        return TryRender(item) ? Outcome::Rendered : Outcome::Failed;
    } catch (const ImageSourceError&) {
    }
    fw::MessageBox(DocString(IDS_CANT_READ_FILE), fw::MB_OK | fw::MB_ICONEXCLAMATION);
    if (LdImageSourcePath() == LdDefaultImagePath())
        return Outcome::NoPicture;
    fw::MessageBox(DocString(IDS_USE_DEFAULT), fw::MB_OK | fw::MB_ICONINFORMATION);
    LdSetImageSourcePath(LdDefaultImagePath());
    return RenderReporting(item) == Outcome::NoPicture ? Outcome::NoPicture : Outcome::Failed;
}

} // namespace

bool LdRenderPreview(CLdPaletteItem& item) { return RenderReporting(item) == Outcome::Rendered; }

void LdRenderAllPreviews(CLdPaletteLayout& layout, const std::string& path)
{
    LdSetImageSourcePath(path);
    for (CLdPaletteLayout::Pane& pane : layout.Panes())
        for (auto& item : pane)
            // A picture that cannot be read is said once, not once a tool.
            if (RenderReporting(*item) == Outcome::NoPicture)
                return;
}

bool LdUpdateImage(CLdPaletteItem& item, uint32_t background, uint32_t foreground)
{
    const uint32_t oldBackground = item.Background(), oldForeground = item.Foreground();
    auto* effect = dynamic_cast<CLdPlugInPaletteItem*>(&item);
    const PpPlugInInstance oldInstance = effect ? effect->RenewInstance() : PpPlugInInstance();
    item.SetColours(background, foreground);
    if (LdRenderPreview(item))
        return true;
    item.SetColours(oldBackground, oldForeground);
    if (effect)
        effect->RestoreInstance(oldInstance);
    return false;
}
