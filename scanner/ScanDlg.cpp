#include "scanner/ScanDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>

#include "framework/ControlId.h"
#include "framework/MessageBox.h"
#include "scanner/ScanDialogIds.h"

CScanDlg::CScanDlg(std::string device, bool offersColour, bool offersGrey, std::vector<int32_t> resolutions,
                   QWidget* parent)
    : fw::Dialog(parent), device_(std::move(device)), resolutions_(std::move(resolutions))
{
    setWindowTitle("Scan");
    if (offersColour)
        modes_.push_back(true);
    if (offersGrey)
        modes_.push_back(false);
}

void CScanDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Scanner:", this), 0, 0);
    auto* device = new QLabel(QString::fromStdString(device_), this);
    fw::SetControlId(device, IDC_SCAN_DEVICE);
    layout->addWidget(device, 0, 1, 1, 2);
    layout->addWidget(new QLabel("Mode:", this), 1, 0);
    auto* mode = new QComboBox(this);
    fw::SetControlId(mode, IDC_SCAN_MODE);
    for (bool colourMode : modes_)
        mode->addItem(colourMode ? "Colour" : "Grey");
    layout->addWidget(mode, 1, 1, 1, 2);
    layout->addWidget(new QLabel("Resolution:", this), 2, 0);
    auto* resolution = new QComboBox(this);
    fw::SetControlId(resolution, IDC_SCAN_RESOLUTION);
    for (int32_t value : resolutions_)
        resolution->addItem(QString("%1 dpi").arg(value));
    layout->addWidget(resolution, 2, 1, 1, 2);
    layout->addWidget(AddButton(fw::IDOK, "Scan"), 3, 1, Qt::AlignRight);
    layout->addWidget(AddButton(fw::IDCANCEL, "Cancel"), 3, 2);
}

bool CScanDlg::OnInitDialog()
{
    auto* mode = qobject_cast<QComboBox*>(GetDlgItem(IDC_SCAN_MODE));
    const auto chosenMode = std::find(modes_.begin(), modes_.end(), colour);
    mode->setCurrentIndex(chosenMode == modes_.end() ? 0 : int(chosenMode - modes_.begin()));
    auto* resolution = qobject_cast<QComboBox*>(GetDlgItem(IDC_SCAN_RESOLUTION));
    if (!resolutions_.empty()) {
        const auto nearest = std::min_element(resolutions_.begin(), resolutions_.end(), [this](int32_t a, int32_t b) {
            return std::abs(a - dpi) < std::abs(b - dpi);
        });
        resolution->setCurrentIndex(int(nearest - resolutions_.begin()));
    }
    return true;
}

void CScanDlg::OnOK()
{
    const int mode = qobject_cast<QComboBox*>(GetDlgItem(IDC_SCAN_MODE))->currentIndex();
    if (mode >= 0 && mode < int(modes_.size()))
        colour = modes_[size_t(mode)];
    const int resolution = qobject_cast<QComboBox*>(GetDlgItem(IDC_SCAN_RESOLUTION))->currentIndex();
    if (resolution >= 0 && resolution < int(resolutions_.size()))
        dpi = resolutions_[size_t(resolution)];
    EndDialog(fw::IDOK);
}
