// The process-wide state of the library: the one catalogue and the one host,
// created when the library is loaded and destroyed (the catalogue written
// back when it changed) when it is unloaded.
#pragma once

#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/PlugInHost.h"
#include "pluginhost/PlugInUi.h"

// Hands every call on to the user interface the program installed, or to
// the silent base when none is installed.
class InstalledUi : public PlugInUi {
public:
    void Install(PlugInUi* ui) { target_ = ui ? ui : &silent_; }

    void BeginWaitCursor() override { target_->BeginWaitCursor(); }
    void EndWaitCursor() override { target_->EndWaitCursor(); }
    void ShowRegistration(int32_t total, const std::string& text) override { target_->ShowRegistration(total, text); }
    void SetRegistrationModule(const std::string& path) override { target_->SetRegistrationModule(path); }
    void SetRegistrationName(const std::string& name) override { target_->SetRegistrationName(name); }
    void StepRegistration(int32_t done) override { target_->StepRegistration(done); }
    void HideRegistration() override { target_->HideRegistration(); }
    bool EditFolders(void* owner, PlugInFolderList& folders) override { return target_->EditFolders(owner, folders); }
    bool ChooseColour(void* owner, uint32_t start, uint32_t& chosen) override
    {
        return target_->ChooseColour(owner, start, chosen);
    }

private:
    PlugInUi silent_;
    PlugInUi* target_ = &silent_;
};

struct FxgateLibrary {
    FxgateLibrary();
    ~FxgateLibrary();
    // Writes the catalogue when it was initialised and changed; true when
    // nothing needed writing or the file was written.
    bool WriteCatalogue();

    InstalledUi ui;
    PlugInCatalogue catalogue;
    PlugInHost host;
};

// The library's state; null while it is being destroyed.
FxgateLibrary* Fxgate();
