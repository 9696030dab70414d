#include "editor/ui/NewDocDlg.h"

#include "framework/DataExchange.h"
#include "framework/SpinButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <limits>

CNewDocDlg::CNewDocDlg(int32_t width, int32_t height, QWidget* parent)
    : CLdHelpDlg(IDD, parent), width(width), height(height)
{
    setWindowTitle("New picture");
}

void CNewDocDlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* grid = new QGridLayout;
    row->addLayout(grid);
    auto addSize = [&](int line, const char* caption, uint32_t editId, uint32_t spinId) {
        auto* edit = AddControl<QLineEdit>(editId);
        auto* spin = AddControl<fw::SpinButton>(spinId);
        spin->SetBuddy(edit);
        spin->setFixedWidth(16);
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        grid->addWidget(label, line, 0);
        grid->addWidget(edit, line, 1);
        grid->addWidget(spin, line, 2);
        grid->addWidget(new QLabel("pixels", this), line, 3);
        return spin;
    };
    widthSpin_ = addSize(0, "&Width:", IDC_WIDTH, IDC_WIDTH_SPIN);
    heightSpin_ = addSize(1, "H&eight:", IDC_HEIGHT, IDC_HEIGHT_SPIN);
    auto* combo = AddControl<QComboBox>(IDC_RESOLUTION);
    combo->setEditable(true);
    combo->addItems({"72", "96", "200", "300", "600"});
    auto* label = new QLabel("&Resolution:", this);
    label->setBuddy(combo);
    grid->addWidget(label, 2, 0);
    grid->addWidget(combo, 2, 1, 1, 2);
    grid->addWidget(new QLabel("DPI", this), 2, 3);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons);
}

bool CNewDocDlg::OnInitDialog()
{
    // The arrows first: setting a position writes the edit, and a size past
    // 32767 taken to 16 bits would show a wrong number; the fields shown
    // afterwards put the true sizes back.
    widthSpin_->SetRange(1, 32767);
    widthSpin_->SetPos(width);
    heightSpin_->SetRange(1, 32767);
    heightSpin_->SetPos(height);
    return CLdHelpDlg::OnInitDialog();
}

void CNewDocDlg::DoDataExchange(fw::DataExchange& dx)
{
    // Through copies, so that a refused value leaves every field as it was.
    int32_t h = height;
    int32_t w = width;
    std::string r = resolution;
    fw::DDX_Text(dx, IDC_HEIGHT, h);
    fw::DDV_MinMaxInt(dx, h, 1, std::numeric_limits<int32_t>::max());
    fw::DDX_Text(dx, IDC_WIDTH, w);
    fw::DDV_MinMaxInt(dx, w, 1, std::numeric_limits<int32_t>::max());
    fw::DDX_Text(dx, IDC_RESOLUTION, r);
    height = h;
    width = w;
    resolution = r;
}
