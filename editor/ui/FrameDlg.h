// Wizard > Frames...: the frame (type, style, shape, size), the mat (size
// and picture) and the light that shades them, on three pages, with the
// result shown on a small copy of the picture. The choices are kept in the
// profile section "Frame".
#pragma once

#include "editor/operations/PicFactory.h"
#include "editor/helpdlg/LdHelpDlg.h"

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

class CBallButton;
class QComboBox;
class QStackedWidget;
class QTabBar;

// A picture as the dialog keeps it: rows bottom-up, padded to 4 bytes,
// 3 bytes a pixel (blue, green, red) or 1 byte into a 256-entry palette.
struct CFrameDlgPicture {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bytes = 3;
    std::vector<uint8_t> bits;
    std::vector<uint32_t> palette;  // 0xAARRGGBB, for 1 byte a pixel

    int32_t Stride() const { return (width * bytes + 3) & ~3; }
    uint8_t* Row(int32_t y) { return bits.data() + size_t(y) * size_t(Stride()); }
    const uint8_t* Row(int32_t y) const { return bits.data() + size_t(y) * size_t(Stride()); }
    QImage ToImage() const;
};

class CFrameDlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 138;
    static constexpr uint32_t IDC_FRAME_TYPE = 1000;
    static constexpr uint32_t IDC_FRAME_STYLE = 1001;
    static constexpr uint32_t IDC_MAT_SIZE = 1002;
    static constexpr uint32_t IDC_FRAME_SHAPE = 1003;
    static constexpr uint32_t IDC_MAT_STYLE = 1004;
    static constexpr uint32_t IDC_LIGHT = 1005;
    static constexpr uint32_t IDC_PREVIEW = 1006;
    static constexpr uint32_t IDC_FRAME_SIZE = 1007;
    static constexpr uint32_t IDC_TAB = 1008;
    static constexpr uint32_t IDC_BALL = 1098;
    static constexpr const char* kSection = "Frame";
    // The preview area's size in pixels.
    static constexpr int32_t kPreviewWidth = 200;
    static constexpr int32_t kPreviewHeight = 150;

    // source is the picture as a packed DIB (8 or 24 bits a pixel); the
    // dialog does not keep it. background is 0x00BBGGRR.
    CFrameDlg(const std::vector<uint8_t>& source, uint32_t background, QWidget* parent = nullptr);

    // The indices the lists show: -1 where a choice does not apply.
    int frameShape = 0;  // Flat, Notched, Round
    int frameSize = 0;   // Small, Medium, Large
    int frameStyle = 0;
    int frameType = 0;
    int matSize = 0;     // None, Small, Medium, Large
    int matStyle = 0;
    int light = 0;       // Top left, Top right, Bottom right, Bottom left, Center
    std::string frameTypeName;
    std::string frameStyleName;
    std::string matName;

    // Widths in pixels of the picture: its longer side / 32, / 16 or / 8.
    int GetFrameWidth() const;
    int GetMatWidth() const;
    std::string GetFrameStyleName() const { return frameStyleName; }
    std::string GetMatName() const { return matName; }

    void LoadSettings();
    void SaveSettings();

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnOK() override;

    void OnSelChangeFrameType();
    void OnSelChangeFrameStyle();
    void OnSelChangeFrameShapeOrSize();
    void OnSelChangeMatSize();
    void OnSelChangeMat();
    void OnSelChangeLight();
    void OnBallClicked();
    void OnSelChangeTab(int page);

    const CPicFactory& Catalogue() const { return catalogue_; }
    CBallButton* Ball() const { return ball_; }
    const CFrameDlgPicture& Thumbnail() const { return thumbnail_; }
    // The framed thumbnail last painted, and the widths it was made with.
    const CFrameDlgPicture& Composite() const { return composite_; }
    int32_t PreviewFrameWidth() const { return previewFrame_; }
    int32_t PreviewMatWidth() const { return previewMat_; }

protected:
    void CreateControls() override;

private:
    void MakeThumbnail(const std::vector<uint8_t>& source);
    void FillList(QComboBox* list, const std::vector<std::string>& entries, const std::string& selected);
    void FillStyleList();
    void ShowBallForLight();
    void RefreshPreview();
    int32_t PreviewWidthFor(int sizeIndex, int first) const;
    std::string NoneText() const;

    CBallButton* ball_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QComboBox* matList_ = nullptr;
    QComboBox* matSizeList_ = nullptr;
    QComboBox* typeList_ = nullptr;
    QComboBox* styleList_ = nullptr;
    QComboBox* sizeList_ = nullptr;
    QComboBox* shapeList_ = nullptr;
    QComboBox* lightList_ = nullptr;
    QWidget* preview_ = nullptr;

    CPicFactory catalogue_;
    int32_t sourceLongerSide_ = 0;
    CFrameDlgPicture thumbnail_;
    CFrameDlgPicture composite_;
    uint32_t background_;
    bool previewEnabled_ = false;
    int32_t previewMat_ = 0;
    int32_t previewFrame_ = 0;
};
