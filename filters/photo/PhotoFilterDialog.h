// The dialog base of the photo filters: the art frame's dialog with the
// module's Help button (1014) and its context help. F1 opens the dialog's
// topic; a right click offers "&What's This?", which pops up the topic of
// the control under the pointer.
#pragma once

#include "filters/art/frame/ArtFilter.h"
#include "filters/art/frame/ArtFilterDialog.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace fw {
class DialogHelp;
struct DialogHelpRules;
}

class PhotoFilterDialog : public ArtFilterDialog {
public:
    static constexpr uint32_t IDC_PHOTO_HELP = 1014;
    static constexpr uint32_t ID_WHATS_THIS = 1033;

    // A control and its pop-up topic.
    using ControlHelp = std::pair<uint32_t, uint32_t>;

    PhotoFilterDialog(const ArtFilterInfo& info, const char* title, uint32_t dialogTopic,
                      std::vector<ControlHelp> controlTopics, ArtParams& params, PreviewTile* tile,
                      FilterEngine* engine);

    uint32_t DialogTopic() const { return dialogTopic_; }
    // The pop-up topic of a control; 0 for a control without one.
    uint32_t ControlTopic(uint32_t controlId) const;
    // Help on the dialog, as F1 asks for it.
    void ShowDialogHelp() const;
    // The pop-up topic of a control, as "What's This?" shows it; false
    // when the control has none.
    bool ShowControlHelp(uint32_t controlId) const;

protected:
    // Puts the topics on the dialog and its controls, where the framework's
    // help (and its context-help mode) finds them.
    bool OnInitDialog() override;
    uint32_t HelpButtonId() const override { return IDC_PHOTO_HELP; }

private:
    fw::DialogHelpRules HelpRules() const;

    uint32_t dialogTopic_;
    std::vector<ControlHelp> controlTopics_;
    fw::DialogHelp* help_;
};
