// The wizards' and tools' world in a test: a fresh config folder (the
// registry store and the picture files), a recording editor (whose popups
// are plain menus that record the command chosen), desktop wallpaper and program
// launcher in place of the real ones, message boxes answered and kept, and
// packed DIBs whose pixels tell where they came from.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/MenuTemplate.h"
#include "framework/PopupMenu.h"
#include "framework/MessageBox.h"
#include "platform/Dib.h"
#include "platform/RegistryStore.h"
#include "platform/tests/TestFolder.h"
#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdProgramLauncher.h"
#include "tasks/module/LdWallpaperBackend.h"
#include "tasks/module/LdWizardServices.h"

class RecordingEditor : public CLdEditorHost {
public:
    QWidget* MainWindow() override { return nullptr; }
    void SendCommand(uint32_t id) override { calls.push_back("command " + std::to_string(id)); }
    void TrackPopup(const fw::MenuItem& popup, const QPoint& at) override
    {
        calls.push_back("popup " + popup.text);
        QMenu menu;
        Append(menu, popup.children);
        fw::TrackPopupMenu(menu, at);
    }
    bool HasActivePicture() override { return activePicture; }
    void MinimizeMainWindow() override { calls.push_back("minimize"); }
    void RestoreMainWindow() override { calls.push_back("restore"); }
    void InvalidateActiveView() override { calls.push_back("invalidate"); }

    std::vector<std::string> calls;
    bool activePicture = false;

private:
    void Append(QMenu& menu, const std::vector<fw::MenuItem>& items)
    {
        for (const fw::MenuItem& item : items) {
            if (item.kind == fw::MenuItem::Kind::Popup) {
                Append(*menu.addMenu(QString::fromStdString(item.text)), item.children);
            } else if (item.kind == fw::MenuItem::Kind::Separator) {
                menu.addSeparator();
            } else {
                QAction* action = menu.addAction(QString::fromStdString(item.text));
                fw::SetControlId(action, item.id);
                QObject::connect(action, &QAction::triggered, [this, id = item.id] { SendCommand(id); });
            }
        }
    }
};

class RecordingWallpaper : public CLdWallpaperBackend {
public:
    State Current() override { return current; }
    void Set(const State& state) override
    {
        sets.push_back(state);
        current = state;
    }

    State current;  // what the desktop shows
    std::vector<State> sets;
};

class RecordingLauncher : public CLdProgramLauncher {
public:
    struct Call {
        std::string program;
        std::vector<std::string> args;
    };
    bool Start(const std::string& program, const std::vector<std::string>& args, std::string* error) override
    {
        calls.push_back({program, args});
        if (!failure.empty() && error)
            *error = failure;
        return failure.empty();
    }

    std::vector<Call> calls;
    std::string failure;  // set: every start fails with this reason
};

// Blue x, green y, red a mix: a 24-bit bottom-up packed DIB.
inline std::vector<uint8_t> PatternDib(int32_t width, int32_t height, uint8_t salt = 0)
{
    std::vector<uint8_t> dib = platform::MakeDibHeader(width, height, 24, {}, 96, 96);
    const size_t header = dib.size();
    const size_t rowBytes = size_t(platform::DibRowBytes(uint64_t(width), 24));
    dib.resize(header + rowBytes * size_t(height));
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = dib.data() + header + size_t(height - 1 - y) * rowBytes;
        for (int32_t x = 0; x < width; ++x) {
            row[3 * x] = uint8_t(x);
            row[3 * x + 1] = uint8_t(y);
            row[3 * x + 2] = uint8_t(x * 7 + y * 13 + salt);
        }
    }
    return dib;
}

class WizardFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("QN_CONFIG_HOME", folder.Path().c_str(), 1);
        CLdWizardServices::SetEditor(&editor);
        CLdWizardServices::SetWallpaper(&desktop);
        CLdWizardServices::SetLauncher(&launcher);
        previousBoxes_ = fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return fw::IDOK;
        });
    }

    void TearDown() override
    {
        fw::SetDialogHook({});
        fw::SetMessageBoxHook(previousBoxes_);
        CLdWizardServices::SetEditor(nullptr);
        CLdWizardServices::SetWallpaper(nullptr);
        CLdWizardServices::SetLauncher(nullptr);
        unsetenv("QN_CONFIG_HOME");
    }

    // Where the picture files and the registry store lie (made when missing).
    std::string SystemFolder() const
    {
        const std::string path = CLdWizardServices::SystemFolder();
        EXPECT_EQ(path, folder / "Quendle/");
        return path;
    }
    // Empties it for the next case of a table.
    void ClearSystemFolder() const { std::filesystem::remove_all(SystemFolder()); }
    platform::RegistryStore Registry() const { return platform::RegistryStore(folder / "Quendle/registry"); }

    TestFolder folder;
    RecordingEditor editor;
    RecordingWallpaper desktop;
    RecordingLauncher launcher;
    std::vector<std::string> messages;

private:
    fw::MessageBoxHook previousBoxes_;
};

// Saves a picture of a dialog as the user would see it into the folder
// named by WRENKIT_GRAB_DIR, when it is set.
inline void GrabWhenAsked(QWidget& window, const std::string& name)
{
    const QString folder = qEnvironmentVariable("WRENKIT_GRAB_DIR");
    if (folder.isEmpty())
        return;
    window.adjustSize();
    window.grab().save(QDir(folder).filePath(QString::fromStdString(name) + ".png"));
}
