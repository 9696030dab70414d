// The art module's About box: the frame's, with its own help topic.
#pragma once

#include "filters/frame/AboutDialog.h"

class ArtAboutDialog : public AboutDialog {
public:
    static constexpr uint32_t kArtHelpTopic = 13;

    explicit ArtAboutDialog(const FilterModuleInfo& info, QWidget* parent = nullptr) : AboutDialog(info, parent) {}

protected:
    void OnCommand(uint32_t id) override;
};

// Shows the About box when the process has a GUI; nothing otherwise.
void ShowArtAbout();
