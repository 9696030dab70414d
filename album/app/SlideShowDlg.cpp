#include "album/app/SlideShowDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>

#include "album/app/AlbumIds.h"
#include "framework/ControlId.h"
#include "framework/MessageBox.h"
#include "framework/DataExchange.h"
#include "framework/SpinButton.h"

CSlideShowDlg::CSlideShowDlg(QWidget* parent) : CAlbumHelpDlg(IDD_SLIDE_SHOW, parent)
{
    setWindowTitle("Slide Show preferences");
    helpId = IDD_SLIDE_SHOW;
}

void CSlideShowDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Delay (seconds):", this), 0, 0);
    auto* edit = new QLineEdit(this);
    fw::SetControlId(edit, IDC_SLIDE_DELAY);
    layout->addWidget(edit, 0, 1);
    auto* spin = new fw::SpinButton(this);
    fw::SetControlId(spin, IDC_SLIDE_DELAY_SPIN);
    spin->SetBuddy(edit);
    spin->SetRange(0, 100);
    layout->addWidget(spin, 0, 2);
    layout->addWidget(AddButton(fw::IDOK, "OK"), 1, 1);
    layout->addWidget(AddButton(fw::IDCANCEL, "Cancel"), 1, 2);
}

void CSlideShowDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_SLIDE_DELAY, delay);
    fw::DDV_MinMaxUInt(dx, delay, 0, 100);
}
