// Picture > Stitch: two of the open pictures, how their edges meet (four
// fixed placements or custom shifts), the shift of the upper picture
// against the lower one and the upper picture's transparency. "Preview..."
// opens a window that shows both and lets the user drag and align them.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"
#include "editor/ui/StitchGeometry.h"
#include "render/RenderObj.h"

#include <memory>
#include <string>
#include <vector>

namespace fw { class SpinButton; }
class StitchPreview;

// An open picture as the dialog lists it.
struct StitchPicture {
    std::string title;
    PpQnRenderObj picture;
};

class StitchDlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 146;
    static constexpr uint32_t IDC_LOWER = 1053;
    static constexpr uint32_t IDC_UPPER = 1056;
    static constexpr uint32_t IDC_EDGES = 1058;
    static constexpr uint32_t IDC_X_SHIFT = 1060;
    static constexpr uint32_t IDC_Y_SHIFT = 1062;
    static constexpr uint32_t IDC_PREVIEW = 1064;
    static constexpr uint32_t IDC_X_SPIN = 1067;
    static constexpr uint32_t IDC_Y_SPIN = 1070;
    static constexpr uint32_t IDC_TRANSPARENCY = 1073;
    static constexpr uint32_t IDC_TRANSPARENCY_SPIN = 1075;
    static constexpr uint32_t IDC_X_LABEL = 1077;
    static constexpr uint32_t IDC_Y_LABEL = 1079;

    // pictures: the open documents in list order; active: the one of the
    // active window (-1: none).
    StitchDlg(std::vector<StitchPicture> pictures, int active, QWidget* parent = nullptr);
    ~StitchDlg() override;

    int transparency = 50;
    int edges = kRightOfUpperLeftOfLower;
    int lowerIndex = -1;
    int upperIndex = -1;
    int32_t xShift = 0;
    int32_t yShift = 0;

    // Both pictures chosen.
    bool HasBoth() const { return lower_ && upper_; }
    const StitchSizes& Sizes() const { return sizes_; }
    const PpQnRenderObj& LowerPicture() const { return lower_; }
    const PpQnRenderObj& UpperPicture() const { return upper_; }
    QnPoint Shift() const { return QnPoint{xShift, yShift}; }
    // The preview window (it exists only while open).
    StitchPreview& Preview() { return *preview_; }
    bool PreviewOpen() const;

    // The shifts the edges choice gives (custom ones clamped).
    void ApplyEdges();
    void OnPicturesChanged();

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnCommand(uint32_t id) override;
    // An X or Y shift left, or another edges choice.
    void OnPlacementChanged();
    void OnPictureChoiceChanged();
    void OnPreview();
    // From the preview: the shift dragged or aligned there, as custom shifts.
    void SetCustomShift(const QnPoint& shift);

protected:
    void CreateControls() override;
    void done(int result) override;

private:
    std::vector<StitchPicture> pictures_;
    int active_;
    PpQnRenderObj lower_;
    PpQnRenderObj upper_;
    StitchSizes sizes_;
    fw::SpinButton* transparencySpin_ = nullptr;
    fw::SpinButton* xSpin_ = nullptr;
    fw::SpinButton* ySpin_ = nullptr;
    std::unique_ptr<StitchPreview> preview_;
};
