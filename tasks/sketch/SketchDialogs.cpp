#include "tasks/sketch/SketchDialogs.h"

#include <QWidget>

#include "framework/App.h"
#include "framework/FileDialog.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"

namespace {

std::optional<std::string> ChooseFile(const char* extension, const char* filter)
{
    fw::FileDialogRequest request;
    request.open = true;
    request.fileName = std::string("*.") + extension;
    request.filters = {filter};
    request.defaultExtension = std::string(".") + extension;
    request.mustExist = true;
    return fw::RunFileDialog(request);
}

SketchFontDialogRunner& Runner()
{
    static SketchFontDialogRunner runner;
    return runner;
}

}  // namespace

std::optional<std::string> SketchChooseBitmapFile() { return ChooseFile("bmp", "Bitmap Files (*.bmp)"); }

std::optional<std::string> SketchChooseMetafile() { return ChooseFile("wmf", "Metafile Files (*.wmf)"); }

SketchFontDialogRunner SetSketchFontDialogRunner(SketchFontDialogRunner runner)
{
    std::swap(Runner(), runner);
    return runner;
}

bool SketchRunFontDialog(SketchFontChoice& choice)
{
    return Runner() ? Runner()(choice) : false;
}

void SketchInvalidateActiveView()
{
    fw::App* app = fw::App::Get();
    fw::FrameWnd* frame = app ? app->GetMainWnd() : nullptr;
    fw::View* view = frame ? frame->GetActiveView() : nullptr;
    if (view)
        view->viewport()->update();
}
