// The editor's tool bar over the tools of the real module: the registry
// filled from the built module, the bar's manager and host from the
// editor's bar tests (its settings objects in a stand-in application), and
// a recording editor for what the tools and panels ask of it.
#pragma once

#include "editor/registry/tests/RegistryFixture.h"
#include "editor/ui/tests/BarFakes.h"

#include <QCoreApplication>

#include <memory>
#include <string>

#include "editor/ui/LdBarGeometry.h"
#include "editor/ui/LdDialogBar.h"
#include "tasks/module/LdWizardServices.h"
#include "tasks/module/tests/WizardFixture.h"

inline constexpr char kWrenkitTools[] = "[Tools]\nlibs=1\nlib0=../bin/Wrenkit.so\n";

class ModuleBarFixture : public RegistryFixture {
protected:
    void SetUp() override
    {
        RegistryFixture::SetUp();
        CLdRegistry& registry = Load(kWrenkitTools);
        manager_ = std::make_unique<FakeManager>(registry);
        host_ = std::make_unique<FakeHost>(registry, *manager_);
        bar_ = std::make_unique<CLdDialogBar>(*manager_, *host_);
        manager_->toolBar = &bar_->Logic();
        bar_->resize(640, 80);
        bar_->show();
        bar_->Logic().OnSize(640, 80);
        CLdWizardServices::SetEditor(&editor_);
    }

    void TearDown() override
    {
        CLdWizardServices::SetEditor(nullptr);
        bar_.reset();
        host_.reset();
        manager_.reset();
        RegistryFixture::TearDown();
    }

    // Makes the tool current as a click on its button does.
    QWidget* Show(const std::string& name)
    {
        bar_->Logic().ShowTool(name, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return bar_->OptionsPanel();
    }

    // Where the bar places a tool's panel.
    QPoint PanelPlace() const { return CLdBarGeometry::PanelPosition(bar_->ClientSize(), false, QPoint()); }

    std::unique_ptr<FakeManager> manager_;
    std::unique_ptr<FakeHost> host_;
    std::unique_ptr<CLdDialogBar> bar_;
    RecordingEditor editor_;
};
