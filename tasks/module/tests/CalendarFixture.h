// The calendar wizard in a test: the wizards' world, the tool reading its
// strings and pictures from the real module, and the dialog's own dialogs
// (file, print) and menus answered by the test.
#pragma once

#include "tasks/module/tests/WizardFixture.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QApplication>

#include <functional>
#include <memory>

#include "editor/loadable/LdModule.h"
#include "framework/FileDialog.h"
#include "framework/PopupMenu.h"
#include "framework/PrintDialog.h"
#include "tasks/module/LdBitmapMenu.h"
#include "tasks/module/Tool_Calendar.h"
#include "tasks/module/calendar/LdCalendarDialog.h"

class CalendarFixture : public WizardFixture {
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        module = CLdModule::FromFile(WRENKIT_PATH);
        tool.SetModule(module.get());
        fw::SetFileDialogHook([this](const fw::FileDialogRequest& request) -> std::optional<std::string> {
            fileRequests.push_back(request);
            if (nextFile.empty())
                return std::nullopt;
            return folder / nextFile;
        });
        fw::SetPopupMenuHook([this](QMenu& menu, const QPoint&) -> QAction* {
            const QList<QAction*> actions = menu.actions();
            menus.push_back(actions.size());
            const auto* cells = dynamic_cast<const CLdBitmapMenu*>(&menu);
            cellSizes.push_back(cells ? cells->MeasureItem() : QSize());
            return menuChoice >= 0 && menuChoice < actions.size() ? actions[menuChoice] : nullptr;
        });
    }

    void TearDown() override
    {
        fw::SetFileDialogHook({});
        fw::SetPopupMenuHook({});
        fw::SetPrintDialogHook({});
        WizardFixture::TearDown();
    }

    // Runs the wizard over the picture; steps drive the calendar dialog.
    int RunWizard(const std::function<void(CLdCalendarDialog&)>& steps)
    {
        bool ran = false;
        fw::SetDialogHook([&](fw::Dialog& dialog) {
            auto* calendar = dynamic_cast<CLdCalendarDialog*>(&dialog);
            ASSERT_NE(calendar, nullptr);
            ran = true;
            steps(*calendar);
        });
        tool.SetPicture(const_cast<uint8_t*>(dib.data()), uint32_t(dib.size()));
        const int answer = tool.Execute();
        fw::SetDialogHook({});
        EXPECT_TRUE(ran);
        return answer;
    }

    // Presses a button whose menu answers item.
    void ChooseFromMenu(CLdCalendarDialog& dialog, uint32_t button, int item)
    {
        menuChoice = item;
        dialog.PressButton(button);
        menuChoice = -1;
    }

    std::unique_ptr<CLdModule> module;
    CTool_Calendar tool;
    std::vector<uint8_t> dib = PatternDib(120, 80, 5);
    std::string nextFile;  // the file dialogs' answer; empty: Cancel
    std::vector<fw::FileDialogRequest> fileRequests;
    int menuChoice = -1;
    std::vector<qsizetype> menus;  // item count of each menu shown
    std::vector<QSize> cellSizes;  // its cell size when it is a bitmap menu, else empty
};

// A mouse move without a button held, as the pointer passing over.
inline void Hover(QWidget* widget, const QPoint& at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
