#include "pluginhost/qt/PlugInQtUi.h"

#include "pluginhost/qt/PlugInFoldersDialog.h"
#include "pluginhost/qt/PlugInRegistrationDialog.h"

#include "framework/ColorDialog.h"
#include "framework/MessageBox.h"

#include <QGuiApplication>

PlugInQtUi::PlugInQtUi() = default;

PlugInQtUi::~PlugInQtUi()
{
    HideRegistration();
    while (waitCursors_ > 0)
        EndWaitCursor();
}

PlugInRegistrationDialog* PlugInQtUi::Registration() const { return registration_; }

void PlugInQtUi::BeginWaitCursor()
{
    if (!qGuiApp)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitCursors_;
}

void PlugInQtUi::EndWaitCursor()
{
    if (waitCursors_ == 0)
        return;
    --waitCursors_;
    QGuiApplication::restoreOverrideCursor();
}

void PlugInQtUi::ShowRegistration(int32_t total, const std::string& text)
{
    if (!qGuiApp)
        return;
    if (!registration_) {
        registration_ = new PlugInRegistrationDialog;
        registration_->Open(text);
        BeginWaitCursor();
        registrationCursor_ = true;
    }
    registration_->SetTotal(total);
}

void PlugInQtUi::SetRegistrationModule(const std::string& path)
{
    if (registration_)
        registration_->SetModule(path);
}

void PlugInQtUi::SetRegistrationName(const std::string& name)
{
    if (registration_)
        registration_->SetName(name);
}

void PlugInQtUi::StepRegistration(int32_t done)
{
    if (registration_)
        registration_->Step(done);
}

void PlugInQtUi::HideRegistration()
{
    // The window may have gone with the window that owned it; the cursor
    // put up with it is taken down all the same.
    delete registration_.data();
    if (registrationCursor_) {
        registrationCursor_ = false;
        EndWaitCursor();
    }
}

bool PlugInQtUi::EditFolders(void* owner, PlugInFolderList& folders)
{
    PlugInFoldersDialog dialog(folders, static_cast<QWidget*>(owner));
    return dialog.DoModal() == fw::IDOK;
}

bool PlugInQtUi::ChooseColour(void* owner, uint32_t start, uint32_t& chosen)
{
    const std::optional<fw::ColorRef> colour = fw::RunColorDialog(start, static_cast<QWidget*>(owner));
    if (!colour)
        return false;
    chosen = *colour;
    return true;
}
