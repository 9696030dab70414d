// Makes the tool palette's shipped default layout when the program is built:
// the default tools, each with its preview rendered from "Palette.bmp" by
// the effect modules built beside the program, and with the parameters each
// effect's dialog offers first (the dialogs are answered with OK here, with
// the program's default drawing colours). A first start reads this file, so
// it shows every preview without running an effect or asking anything.
//
//   palette_layoutgen <output>     (run from the program's folder)
#include "editor/app/AppSettings.h"
#include "editor/effects/tests/ProgramEffectModules.h"
#include "editor/palette/PalettePreview.h"
#include "editor/palette/PaletteLayout.h"
#include "editor/ui/ProgramEnvironment.h"
#include "framework/Dialog.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "gc/QnObj.h"
#include "platform/OwnResources.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// The modules' settings live in a folder of this run, so that the builder's
// own settings are neither read nor changed.
struct PrivateConfig {
    fs::path folder;
    PrivateConfig()
    {
        std::string name = (fs::temp_directory_path() / "qnpalgen-XXXXXX").string();
        if (!mkdtemp(name.data()))
            throw std::runtime_error("no temporary folder");
        folder = name;
    }
    ~PrivateConfig()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

int Generate(const std::string& output)
{
    PrivateConfig config;
    UseProgramEffectModules(QCoreApplication::applicationDirPath().toStdString(), config.folder);
    bool failed = false;
    fw::SetMessageBoxHook([&](const fw::MessageBoxRequest& request) {
        std::fprintf(stderr, "palette_layoutgen: %s\n", request.text.c_str());
        failed = true;
        return fw::IDCANCEL;
    });
    fw::SetDialogHook([](fw::Dialog& dialog) { dialog.PressButton(fw::IDOK); });

    LdSetImageSourcePath(LdDefaultImagePath());
    const LdAppSettings defaults;
    CLdPaletteLayout layout = CLdPaletteLayout::Default(defaults.background, defaults.foreground);
    for (CLdPaletteLayout::Pane& pane : layout.Panes())
        for (auto& item : pane)
            if (!LdRenderPreview(*item)) {
                std::fprintf(stderr, "palette_layoutgen: no preview of %s\n", item->Name().c_str());
                failed = true;
            }
    if (failed)
        return 1;
    LdStorePaletteLayout(output, layout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: palette_layoutgen <output>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LdSetProgramResources(platform::OwnResources());
    int status = 1;
    try {
        status = Generate(argv[1]);
    } catch (const fw::Exception& e) {
        std::fprintf(stderr, "palette_layoutgen: %s\n", e.GetErrorMessage().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "palette_layoutgen: %s\n", e.what());
    }
    // The layout's effects go before the statics they refer to.
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    return status;
}
