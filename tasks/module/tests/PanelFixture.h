// An option panel's world in a test: the editor's tool settings, a bar
// window the panels are placed in, the editor's host recording what the
// panels ask of it, message boxes answered and kept, and the module whose
// icons the panels show.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "editor/loadable/LdModule.h"
#include "editor/loadable/SelectParams.h"
#include "editor/loadable/ToolParams.h"
#include "framework/MessageBox.h"
#include "tasks/module/LdWizardServices.h"
#include "tasks/module/panels/LdOptionsPanel.h"
#include "tasks/module/panels/LdPanelPlacement.h"
#include "tasks/module/tests/WizardFixture.h"

class PanelFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar.resize(640, 80);
        bar.show();
        CLdWizardServices::SetEditor(&editor);
        previousBoxes_ = fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return fw::IDOK;
        });
        module = CLdModule::FromFile(WRENKIT_PATH);
    }

    void TearDown() override
    {
        fw::SetMessageBoxHook(previousBoxes_);
        CLdWizardServices::SetEditor(nullptr);
    }

    // The panel placed in the bar as a tool places it.
    template <class Panel>
    Panel* Place(std::unique_ptr<Panel> panel, QPoint at = QPoint(100, 0))
    {
        return static_cast<Panel*>(LdPlacePanel(std::move(panel), &bar, &at));
    }

    // The user leaves control.
    static void Leave(QWidget* control)
    {
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(control, &out);
    }

    // The settings are the editor's and outlive its bar, as here: a panel
    // still writes to them when it goes with the bar.
    CFillParams fill;
    CSelectParams select;
    CTextParams text;
    QWidget bar;
    RecordingEditor editor;
    std::vector<std::string> messages;
    std::unique_ptr<CLdModule> module;

private:
    fw::MessageBoxHook previousBoxes_;
};
