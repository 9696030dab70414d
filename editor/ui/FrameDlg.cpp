#include "editor/ui/FrameDlg.h"

#include "editor/operations/OperationStrings.h"
#include "editor/ui/BallButton.h"
#include "editor/ui/UiStrings.h"
#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "framework/MessageBox.h"
#include "platform/Dib.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

namespace {

// The preview area: the framed thumbnail fitted with its aspect, centred.
class FramePreview : public QWidget {
public:
    explicit FramePreview(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(CFrameDlg::kPreviewWidth, CFrameDlg::kPreviewHeight);
    }
    void SetImage(QImage image)
    {
        image_ = std::move(image);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (image_.isNull())
            return;
        const int W = width(), H = height(), w = image_.width(), h = image_.height();
        int dw, dh;
        if (int64_t(H) * w <= int64_t(W) * h) {
            dw = int(int64_t(H) * w / h);
            dh = H;
        } else {
            dw = W;
            dh = int(int64_t(W) * h / w);
        }
        QPainter painter(this);
        painter.drawImage(QRect(W / 2 - dw / 2, H / 2 - dh / 2, dw, dh), image_);
    }

private:
    QImage image_;
};

QLabel* Label(const char* text, QWidget* buddy, uint32_t id, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    fw::SetControlId(label, id);
    return label;
}

// A page of labelled lists, one row each.
QWidget* Page(std::initializer_list<std::pair<QLabel*, QWidget*>> rows, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    int row = 0;
    for (const auto& [label, control] : rows) {
        label->setParent(page);
        control->setParent(page);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);
    return page;
}

int32_t Divisor(int index) { return index == 0 ? 32 : index == 1 ? 16 : index == 2 ? 8 : 0; }

}  // namespace

QImage CFrameDlgPicture::ToImage() const
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(bits.data(), width, height, Stride(), bytes == 3 ? QImage::Format_BGR888 : QImage::Format_Indexed8);
    if (bytes == 1)
        image.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    // Rows are kept bottom-up.
    return image.mirrored();
}

CFrameDlg::CFrameDlg(const std::vector<uint8_t>& source, uint32_t background, QWidget* parent)
    : CLdHelpDlg(IDD, parent), background_(background)
{
    setWindowTitle("Border");
    frameTypeName = frameStyleName = matName = NoneText();
    MakeThumbnail(source);
}

std::string CFrameDlg::NoneText() const { return OperationString(IDS_NONE); }

void CFrameDlg::MakeThumbnail(const std::vector<uint8_t>& source)
{
    const std::optional<platform::DibLayout> layout = platform::ReadDibLayout(source, nullptr);
    if (!layout)
        return;
    const platform::BITMAPINFOHEADER& h = layout->header;
    const int32_t pw = h.biWidth, ph = layout->height;
    const int32_t bytes = h.biBitCount == 24 ? 3 : h.biBitCount == 8 ? 1 : 0;
    if (bytes == 0 || h.biCompression != platform::BI_RGB || pw <= 0 || ph <= 0)
        return;
    const size_t stride = size_t(platform::DibRowBytes(uint64_t(pw), uint32_t(8 * bytes)));
    if (layout->bitsOffset > source.size() || (source.size() - layout->bitsOffset) / stride < size_t(ph))
        return;
    sourceLongerSide_ = std::max(pw, ph);

    const int32_t W = kPreviewWidth, H = kPreviewHeight;
    const int32_t inset = std::max(W, H) * 4 / 8;
    CFrameDlgPicture& t = thumbnail_;
    if (int64_t(H - inset) * pw <= int64_t(W - inset) * ph) {
        t.width = int32_t(int64_t(H - inset) * pw / ph);
        t.height = H - inset;
    } else {
        t.height = int32_t(int64_t(W - inset) * ph / pw);
        t.width = W - inset;
    }
    t.width = std::max(t.width, 1);
    t.height = std::max(t.height, 1);
    t.bytes = bytes;
    if (bytes == 1) {
        t.palette.assign(256, 0xFF000000u);
        for (size_t i = 0; i < std::min<size_t>(256, layout->palette.size()); ++i) {
            const platform::RGBQUAD& q = layout->palette[i];
            t.palette[i] = 0xFF000000u | uint32_t(q.rgbRed) << 16 | uint32_t(q.rgbGreen) << 8 | q.rgbBlue;
        }
    }
    t.bits.assign(size_t(t.Stride()) * size_t(t.height), 0);
    const uint8_t* bits = source.data() + layout->bitsOffset;
    for (int32_t y = 0; y < t.height; ++y) {
        const uint8_t* from = bits + size_t(int64_t(ph) * y / t.height) * stride;
        // Keep the source's row order: a top-down DIB's first row is its top.
        uint8_t* to = t.Row(layout->topDown ? t.height - 1 - y : y);
        for (int32_t x = 0; x < t.width; ++x)
            std::memcpy(to + size_t(x) * size_t(bytes), from + size_t(int64_t(pw) * x / t.width) * size_t(bytes),
                        size_t(bytes));
    }
}

void CFrameDlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    row->addLayout(column);

    tabs_ = AddControl<QTabBar>(IDC_TAB);
    tabs_->addTab(QString::fromStdString(LdUiString(IDS_TAB_FRAME)));
    tabs_->addTab(QString::fromStdString(LdUiString(IDS_TAB_MAT)));
    tabs_->addTab(QString::fromStdString(LdUiString(IDS_TAB_SHADOW)));
    column->addWidget(tabs_);

    matList_ = AddControl<QComboBox>(IDC_MAT_STYLE);
    matSizeList_ = AddControl<QComboBox>(IDC_MAT_SIZE);
    matSizeList_->addItems({"None", "Small", "Medium", "Large"});
    typeList_ = AddControl<QComboBox>(IDC_FRAME_TYPE);
    styleList_ = AddControl<QComboBox>(IDC_FRAME_STYLE);
    sizeList_ = AddControl<QComboBox>(IDC_FRAME_SIZE);
    sizeList_->addItems({"Small", "Medium", "Large"});
    shapeList_ = AddControl<QComboBox>(IDC_FRAME_SHAPE);
    shapeList_->addItems({"Flat", "Notched", "Round"});
    lightList_ = AddControl<QComboBox>(IDC_LIGHT);
    lightList_->addItems({"Top left", "Top right", "Bottom right", "Bottom left", "Center"});
    ball_ = AddControl<CBallButton>(IDC_BALL);
    ball_->setFixedSize(64, 64);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(Page({{Label("Frame &Type :", typeList_, 1009, this), typeList_},
                            {Label("Frame &Style :", styleList_, 1010, this), styleList_},
                            {Label("Frame Sh&ape :", shapeList_, 1011, this), shapeList_},
                            {Label("Frame S&ize :", sizeList_, 1012, this), sizeList_}},
                           pages_));
    pages_->addWidget(Page({{Label("Mat S&ize :", matSizeList_, 1013, this), matSizeList_},
                            {Label("Mat St&yle :", matList_, 1014, this), matList_}},
                           pages_));
    pages_->addWidget(Page({{Label("&Light :", lightList_, 1015, this), lightList_},
                            {new QLabel(this), ball_}},
                           pages_));
    column->addWidget(pages_);

    preview_ = new FramePreview(this);
    fw::SetControlId(preview_, IDC_PREVIEW);
    column->addWidget(preview_, 0, Qt::AlignHCenter);

    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons);

    const auto on = [this](QComboBox* list, void (CFrameDlg::*handler)()) {
        connect(list, &QComboBox::activated, this, [this, handler] { fw::GuardedCall([&] { (this->*handler)(); }); });
    };
    on(typeList_, &CFrameDlg::OnSelChangeFrameType);
    on(styleList_, &CFrameDlg::OnSelChangeFrameStyle);
    on(shapeList_, &CFrameDlg::OnSelChangeFrameShapeOrSize);
    on(sizeList_, &CFrameDlg::OnSelChangeFrameShapeOrSize);
    on(matSizeList_, &CFrameDlg::OnSelChangeMatSize);
    on(matList_, &CFrameDlg::OnSelChangeMat);
    on(lightList_, &CFrameDlg::OnSelChangeLight);
    connect(ball_, &QAbstractButton::clicked, this, [this] { fw::GuardedCall([&] { OnBallClicked(); }); });
    connect(tabs_, &QTabBar::currentChanged, this, [this](int page) { OnSelChangeTab(page); });
}

void CFrameDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_CBIndex(dx, IDC_FRAME_SHAPE, frameShape);
    fw::DDX_CBIndex(dx, IDC_FRAME_SIZE, frameSize);
    fw::DDX_CBIndex(dx, IDC_FRAME_STYLE, frameStyle);
    fw::DDX_CBIndex(dx, IDC_FRAME_TYPE, frameType);
    fw::DDX_CBIndex(dx, IDC_MAT_SIZE, matSize);
    fw::DDX_CBIndex(dx, IDC_MAT_STYLE, matStyle);
    fw::DDX_CBIndex(dx, IDC_LIGHT, light);
}

void CFrameDlg::FillList(QComboBox* list, const std::vector<std::string>& entries, const std::string& selected)
{
    list->clear();
    for (const std::string& entry : entries)
        list->addItem(QString::fromStdString(entry));
    // Exact match only; no match leaves nothing selected.
    const auto it = std::find(entries.begin(), entries.end(), selected);
    list->setCurrentIndex(it == entries.end() ? -1 : int(it - entries.begin()));
}

void CFrameDlg::FillStyleList()
{
    const auto& bitmaps = catalogue_.BitmapNames();
    const bool known = frameType >= 0 && size_t(frameType) < bitmaps.size();
    FillList(styleList_, known ? bitmaps[size_t(frameType)] : std::vector<std::string>{}, frameStyleName);
}

bool CFrameDlg::OnInitDialog()
{
    CLdHelpDlg::OnInitDialog();
    tabs_->setCurrentIndex(0);
    OnSelChangeTab(0);

    FillList(typeList_, catalogue_.StyleNames(), frameTypeName);
    frameType = typeList_->currentIndex();
    FillStyleList();
    FillList(matList_, catalogue_.MatNames(), matName);

    LoadSettings();
    UpdateData(false);

    // The handlers below reset the style list; the stored style comes back.
    const int style = frameStyle;
    previewEnabled_ = false;
    OnSelChangeFrameType();
    OnSelChangeMatSize();
    frameStyle = style;
    styleList_->setCurrentIndex(frameStyle);
    previewEnabled_ = true;
    OnSelChangeFrameStyle();

    ball_->SetMaxDistance(1);
    ball_->SetDirectionSteps(4);
    ShowBallForLight();
    return true;
}

void CFrameDlg::OnSelChangeTab(int page)
{
    pages_->setCurrentIndex(std::clamp(page, 0, 2));
}

void CFrameDlg::OnSelChangeFrameType()
{
    UpdateData(true);
    frameTypeName = typeList_->currentText().toStdString();
    FillStyleList();
    const bool framed = frameType != 0;
    for (QComboBox* list : {styleList_, shapeList_, sizeList_})
        list->setEnabled(framed);
    for (int* index : {&frameStyle, &frameSize, &frameShape})
        *index = framed ? std::max(*index, 0) : -1;
    UpdateData(false);
    frameTypeName = typeList_->currentText().toStdString();
    frameStyleName = styleList_->currentText().toStdString();
    RefreshPreview();
}

void CFrameDlg::OnSelChangeFrameStyle()
{
    UpdateData(true);
    frameStyleName = styleList_->currentText().toStdString();
    RefreshPreview();
}

void CFrameDlg::OnSelChangeFrameShapeOrSize()
{
    UpdateData(true);
    RefreshPreview();
}

void CFrameDlg::OnSelChangeMatSize()
{
    UpdateData(true);
    const std::vector<std::string>& mats = catalogue_.MatNames();
    if (matSize < 1) {
        matStyle = -1;
        matList_->setEnabled(false);
    } else {
        matStyle = std::max(matStyle, 0);
        matList_->setEnabled(true);
        if (size_t(matStyle) < mats.size())
            matName = mats[size_t(matStyle)];
    }
    UpdateData(false);
    RefreshPreview();
}

void CFrameDlg::OnSelChangeMat()
{
    UpdateData(true);
    const std::vector<std::string>& mats = catalogue_.MatNames();
    if (matSize > 0 && matStyle >= 0 && size_t(matStyle) < mats.size())
        matName = mats[size_t(matStyle)];
    RefreshPreview();
}

void CFrameDlg::ShowBallForLight()
{
    // The ball's directions run from the bottom right, a quarter turn a step.
    static constexpr int32_t kDirection[4] = {2, 3, 0, 1};
    if (light >= 0 && light < 4) {
        ball_->SetDistance(1);
        ball_->SetDirection(kDirection[light]);
    } else {
        ball_->SetDistance(0);
        ball_->SetDirection(0);
    }
    ball_->update();
}

void CFrameDlg::OnSelChangeLight()
{
    UpdateData(true);
    ShowBallForLight();
    RefreshPreview();
}

void CFrameDlg::OnBallClicked()
{
    static constexpr int kLight[4] = {2, 3, 0, 1};
    const int32_t direction = ball_->Direction();
    light = ball_->Distance() == 0 ? 4 : kLight[std::clamp(direction, 0, 3)];
    UpdateData(false);
    RefreshPreview();
}

void CFrameDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    SaveSettings();
    EndDialog(fw::IDOK);
}

int32_t CFrameDlg::PreviewWidthFor(int sizeIndex, int first) const
{
    const int32_t divisor = Divisor(sizeIndex - first);
    return divisor ? kPreviewWidth / divisor : 0;
}

void CFrameDlg::RefreshPreview()
{
    if (!previewEnabled_ || thumbnail_.width <= 0)
        return;
    previewMat_ = PreviewWidthFor(matSize, 1);
    const std::string none = NoneText();
    previewFrame_ = frameStyleName == none || frameTypeName == none ? 0 : PreviewWidthFor(frameSize, 0);
    const int32_t b = previewFrame_ + previewMat_;

    CFrameDlgPicture composite;
    composite.bytes = thumbnail_.bytes;
    composite.palette = thumbnail_.palette;
    composite.width = thumbnail_.width + 2 * b;
    composite.height = thumbnail_.height + 2 * b;
    const bool grey = composite.bytes == 1;
    CPicFactory& catalogue = catalogue_;
    if (!catalogue.PrepareFrame(grey, composite.width, composite.height, background_, previewFrame_, previewMat_,
                                light, frameShape, frameStyleName, matName))
        return;
    // The band starts in the background colour, which stays where a frame
    // or mat picture could not be loaded.
    composite.bits.assign(size_t(composite.Stride()) * size_t(composite.height), 0);
    const uint8_t bgr[3] = {uint8_t(background_ >> 16), uint8_t(background_ >> 8), uint8_t(background_)};
    for (int32_t y = 0; y < composite.height; ++y) {
        uint8_t* row = composite.Row(y);
        for (int32_t x = 0; x < composite.width; ++x) {
            if (grey)
                row[x] = uint8_t((bgr[0] + bgr[1] + bgr[2]) / 3);
            else
                std::memcpy(row + 3 * x, bgr, 3);
        }
        if (y >= b && y < b + thumbnail_.height)
            std::memcpy(row + size_t(b) * size_t(composite.bytes), thumbnail_.Row(y - b),
                        size_t(thumbnail_.width) * size_t(composite.bytes));
        catalogue.RenderRow(row, y);
    }
    composite_ = std::move(composite);
    static_cast<FramePreview*>(preview_)->SetImage(composite_.ToImage());
}

int CFrameDlg::GetFrameWidth() const
{
    const int32_t divisor = Divisor(frameSize);
    return divisor ? sourceLongerSide_ / divisor : 0;
}

int CFrameDlg::GetMatWidth() const
{
    const int32_t divisor = Divisor(matSize - 1);
    return divisor ? sourceLongerSide_ / divisor : 0;
}

void CFrameDlg::LoadSettings()
{
    fw::App* app = fw::App::Get();
    if (!app)
        return;
    frameShape = app->GetProfileInt(kSection, "FrShape", 0);
    frameSize = app->GetProfileInt(kSection, "FrSize", 0);
    frameStyle = app->GetProfileInt(kSection, "FrStyle", 0);
    frameType = app->GetProfileInt(kSection, "FrType", 0);
    matSize = app->GetProfileInt(kSection, "MtSize", 0);
    matStyle = app->GetProfileInt(kSection, "MtStyle", 0);
    light = app->GetProfileInt(kSection, "Shadow", 0);
    frameTypeName = app->GetProfileString(kSection, "FrTypeStr", "");
    frameStyleName = app->GetProfileString(kSection, "FrStyleStr", "");
    matName = app->GetProfileString(kSection, "MtNameStr", "");
}

void CFrameDlg::SaveSettings()
{
    fw::App* app = fw::App::Get();
    if (!app)
        return;
    app->WriteProfileInt(kSection, "FrShape", frameShape);
    app->WriteProfileInt(kSection, "FrSize", frameSize);
    app->WriteProfileInt(kSection, "FrStyle", frameStyle);
    app->WriteProfileInt(kSection, "FrType", frameType);
    app->WriteProfileInt(kSection, "MtSize", matSize);
    app->WriteProfileInt(kSection, "MtStyle", matStyle);
    app->WriteProfileInt(kSection, "Shadow", light);
    app->WriteProfileString(kSection, "FrTypeStr", frameTypeName);
    app->WriteProfileString(kSection, "FrStyleStr", frameStyleName);
    app->WriteProfileString(kSection, "MtNameStr", matName);
}
