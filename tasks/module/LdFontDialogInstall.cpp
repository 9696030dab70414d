// The sketch's text shapes and month grid choose their fonts in the
// module's font dialog for as long as the module is loaded. The runner is
// taken back on unload: the sketch library may outlive the module, and its
// copy of the runner must not point into code that is gone.
#include "tasks/module/LdFontDialog.h"
#include "tasks/sketch/SketchDialogs.h"

namespace {

struct FontDialogInstall {
    FontDialogInstall() { LdInstallFontDialog(); }
    ~FontDialogInstall() { SetSketchFontDialogRunner({}); }
};

const FontDialogInstall kInstall;

}  // namespace
