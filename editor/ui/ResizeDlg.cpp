#include "editor/ui/ResizeDlg.h"

#include "editor/ui/DeviceResolution.h"
#include "framework/FocusLost.h"
#include "editor/ui/UiStrings.h"
#include "framework/CommandIds.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "framework/EventGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdio>

namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kInchPerCm = 0.39370078740157477;

std::string Printf(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A number at the start of text as sscanf reads it; false when there is none.
bool ScanInt(const std::string& text, long& value)
{
    return std::sscanf(text.c_str(), "%ld", &value) == 1;
}

bool ScanDouble(const std::string& text, double& value)
{
    return std::sscanf(text.c_str(), "%lf", &value) == 1;
}

// A resolution text: a nonzero number replaces resolution.
void ReadResolution(const std::string& text, int32_t& resolution)
{
    long value = 0;
    if (ScanInt(text, value) && value != 0)
        resolution = int32_t(value);
}

}  // namespace

ResizeDlg::ResizeDlg(int32_t width, int32_t height, int32_t hRes, int32_t vRes, int resample, QWidget* parent)
    : CLdHelpDlg(IDD, parent), width(width), height(height), hRes(hRes), vRes(vRes), initialWidth(width),
      initialHeight(height), initialHRes(hRes), initialVRes(vRes), resample(resample),
      proportion(double(width) / double(height))
{
}

void ResizeDlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    row->addLayout(left);

    auto* size = new QGroupBox("Size", this);
    auto* sizeGrid = new QGridLayout(size);
    auto addEdit = [&](int line, const char* caption, uint32_t id, void (ResizeDlg::*handler)()) {
        auto* edit = new QLineEdit(size);
        fw::SetControlId(edit, id);
        fw::OnFocusLost(edit, [this, handler] { (this->*handler)(); });
        auto* label = new QLabel(caption, size);
        label->setBuddy(edit);
        sizeGrid->addWidget(label, line, 0);
        sizeGrid->addWidget(edit, line, 1);
    };
    addEdit(0, "&Width:", IDC_WIDTH, &ResizeDlg::OnKillFocusWidth);
    addEdit(1, "H&eight:", IDC_HEIGHT, &ResizeDlg::OnKillFocusHeight);
    auto* keep = new QCheckBox("&Keep proportions", size);
    fw::SetControlId(keep, IDC_KEEP_PROPORTIONS);
    connect(keep, &QCheckBox::clicked, this, [this] { fw::GuardedCall([&] { OnKeepProportions(); }); });
    sizeGrid->addWidget(keep, 2, 0, 1, 2);
    left->addWidget(size);

    auto addRadios = [&](const char* title, uint32_t firstId, std::initializer_list<const char*> captions,
                         std::initializer_list<void (ResizeDlg::*)()> handlers) {
        auto* group = new QGroupBox(title, this);
        auto* column = new QVBoxLayout(group);
        uint32_t id = firstId;
        auto handler = handlers.begin();
        for (const char* caption : captions) {
            auto* radio = new QRadioButton(caption, group);
            fw::SetControlId(radio, id++);
            connect(radio, &QRadioButton::clicked, this,
                    [this, h = *handler++] { fw::GuardedCall([&] { (this->*h)(); }); });
            column->addWidget(radio);
        }
        return group;
    };
    auto* lower = new QHBoxLayout;
    left->addLayout(lower);
    lower->addWidget(addRadios("Units", IDC_INCHES, {"&Inches", "&Centimeters", "&Pixels"},
                               {&ResizeDlg::OnRefresh, &ResizeDlg::OnRefresh, &ResizeDlg::OnRefresh}));

    auto* resolution = addRadios("Resolution", IDC_SCREEN, {"&Screen", "P&rinter", "C&ustom"},
                                 {&ResizeDlg::OnScreen, &ResizeDlg::OnPrinter, &ResizeDlg::OnRefresh});
    auto* resGrid = new QGridLayout;
    static_cast<QVBoxLayout*>(resolution->layout())->addLayout(resGrid);
    auto addCombo = [&](int line, const char* caption, uint32_t id) {
        auto* combo = new QComboBox(resolution);
        fw::SetControlId(combo, id);
        combo->setEditable(true);
        combo->addItems({"72", "96", "200", "300", "600"});
        connect(combo, &QComboBox::activated, this, [this, id] { fw::GuardedCall([&] { OnSelChangeResolution(id); }); });
        fw::OnFocusLost(combo, [this] { OnRefresh(); });
        auto* label = new QLabel(caption, resolution);
        label->setBuddy(combo);
        resGrid->addWidget(label, line, 0);
        resGrid->addWidget(combo, line, 1);
        resGrid->addWidget(new QLabel("DPI", resolution), line, 2);
    };
    addCombo(0, "&Horizontal:", IDC_HRES);
    addCombo(1, "&Vertical:", IDC_VRES);
    lower->addWidget(resolution);

    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    buttons->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    buttons->addWidget(AddButton(IDC_RESET, "R&eset"));
    buttons->addWidget(AddButton(fw::ID_HELP, "&Help"));
    buttons->addStretch(1);
}

bool ResizeDlg::OnInitDialog()
{
    setWindowTitle(QString::fromStdString(LdUiString(resample ? IDS_RESAMPLE : IDS_RESIZE)));
    CLdHelpDlg::OnInitDialog();
    ShowValues();
    return true;
}

int32_t ResizeDlg::ReadLength(const std::string& text, int32_t resolution) const
{
    double value = 0;
    switch (units) {
    case Inches:
        if (!ScanDouble(text, value))
            return 1;
        return int32_t(resolution * value + 0.5);
    case Centimetres:
        if (!ScanDouble(text, value))
            return 1;
        return int32_t(resolution * value * kInchPerCm + 0.5);
    default:
        break;
    }
    long pixels = 0;
    return ScanInt(text, pixels) ? int32_t(pixels) : 1;
}

std::string ResizeDlg::FormatLength(int32_t pixels, int32_t resolution) const
{
    // A resolution of 0 would print "inf": show the length at one dot per inch.
    const double dpi = resolution != 0 ? resolution : 1;
    switch (units) {
    case Inches:
        return Printf("%lf", pixels / dpi);
    case Centimetres:
        return Printf("%lf", pixels * kCmPerInch / dpi);
    default:
        break;
    }
    return std::to_string(pixels);
}

void ResizeDlg::DoDataExchange(fw::DataExchange& dx)
{
    if (!dx.saveAndValidate) {
        hResText = std::to_string(hRes);
        vResText = std::to_string(vRes);
        widthText = FormatLength(width, hRes);
        heightText = FormatLength(height, vRes);
    }
    fw::DDX_Radio(dx, IDC_INCHES, units);
    fw::DDX_Radio(dx, IDC_SCREEN, resolutionSource);
    fw::DDX_Check(dx, IDC_KEEP_PROPORTIONS, keepProportions);
    fw::DDX_Text(dx, IDC_HRES, hResText);
    fw::DDX_Text(dx, IDC_VRES, vResText);
    fw::DDX_Text(dx, IDC_HEIGHT, heightText);
    fw::DDX_Text(dx, IDC_WIDTH, widthText);
    if (dx.saveAndValidate) {
        ReadResolution(hResText, hRes);
        ReadResolution(vResText, vRes);
    }
}

void ResizeDlg::ShowValues()
{
    UpdateData(false);
    const bool changed = width != initialWidth || height != initialHeight || hRes != initialHRes ||
                         vRes != initialVRes;
    GetDlgItem(IDC_RESET)->setEnabled(changed);
    GetDlgItem(IDC_HRES)->setEnabled(resolutionSource == Custom);
    GetDlgItem(IDC_VRES)->setEnabled(resolutionSource == Custom);
}

void ResizeDlg::OnKillFocusWidth()
{
    // The edit's own text: the fields would hold what was last shown.
    widthText = fw::GetControlText(GetDlgItem(IDC_WIDTH));
    width = ReadLength(widthText, hRes);
    if (keepProportions)
        height = int32_t(width / proportion + 0.5);
    // The other length and Reset follow at once.
    ShowValues();
}

void ResizeDlg::OnKillFocusHeight()
{
    heightText = fw::GetControlText(GetDlgItem(IDC_HEIGHT));
    height = ReadLength(heightText, vRes);
    if (keepProportions)
        width = int32_t(height * proportion + 0.5);
    ShowValues();
}

void ResizeDlg::OnKeepProportions()
{
    UpdateData(true);
    if (keepProportions) {
        // The new size fits inside the size typed.
        if (double(width) / double(height) < proportion)
            height = int32_t(width / proportion + 0.5);
        else
            width = int32_t(proportion * height + 0.5);
    }
    ShowValues();
}

void ResizeDlg::SetResolutions(int32_t x, int32_t y)
{
    UpdateData(true);
    hRes = x;
    vRes = y;
    ShowValues();
}

void ResizeDlg::OnScreen()
{
    const QnPoint dpi = LdScreenResolution();
    SetResolutions(dpi.x, dpi.y);
}

void ResizeDlg::OnPrinter()
{
    const QnPoint dpi = LdPrinterResolution();
    SetResolutions(dpi.x, dpi.y);
}

void ResizeDlg::OnSelChangeResolution(uint32_t comboId)
{
    auto* combo = qobject_cast<QComboBox*>(GetDlgItem(comboId));
    UpdateData(true);
    ReadResolution(combo->currentText().toStdString(), comboId == IDC_HRES ? hRes : vRes);
    ShowValues();
}

void ResizeDlg::OnRefresh()
{
    UpdateData(true);
    ShowValues();
}

void ResizeDlg::OnReset()
{
    width = initialWidth;
    height = initialHeight;
    hRes = initialHRes;
    vRes = initialVRes;
    resolutionSource = Custom;
    ShowValues();
}

void ResizeDlg::OnOK()
{
    // A size typed and confirmed with Enter never left its edit: take it
    // as if it had.
    const bool widthTyped = fw::GetControlText(GetDlgItem(IDC_WIDTH)) != FormatLength(width, hRes);
    const bool heightTyped = fw::GetControlText(GetDlgItem(IDC_HEIGHT)) != FormatLength(height, vRes);
    if (widthTyped)
        OnKillFocusWidth();
    if (heightTyped)
        OnKillFocusHeight();
    CLdHelpDlg::OnOK();
}

void ResizeDlg::OnCommand(uint32_t id)
{
    if (id == IDC_RESET) {
        OnReset();
        return;
    }
    CLdHelpDlg::OnCommand(id);
}
