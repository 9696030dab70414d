// What the plug-in host shows, on Qt: the wait cursor, the registration
// window of a scan, the folders dialog and the colour chooser. Owners and
// run windows handed through the host's interface are QWidget pointers.
#pragma once

#include "pluginhost/PlugInUi.h"

#include <QPointer>

class PlugInRegistrationDialog;

class PlugInQtUi : public PlugInUi {
public:
    PlugInQtUi();
    ~PlugInQtUi() override;
    PlugInQtUi(const PlugInQtUi&) = delete;
    PlugInQtUi& operator=(const PlugInQtUi&) = delete;

    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    void ShowRegistration(int32_t total, const std::string& text) override;
    void SetRegistrationModule(const std::string& path) override;
    void SetRegistrationName(const std::string& name) override;
    void StepRegistration(int32_t done) override;
    void HideRegistration() override;

    bool EditFolders(void* owner, PlugInFolderList& folders) override;
    bool ChooseColour(void* owner, uint32_t start, uint32_t& chosen) override;

    // The registration window while it is up, else null.
    PlugInRegistrationDialog* Registration() const;

private:
    QPointer<PlugInRegistrationDialog> registration_;
    // Wait cursors this object put up and has not yet taken down.
    int waitCursors_ = 0;
    bool registrationCursor_ = false;
};
