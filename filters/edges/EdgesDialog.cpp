#include "filters/edges/EdgesDialog.h"

#include "base/QnExcept.h"
#include "filters/edges/EdgeStyleRun.h"
#include "filters/edges/EdgesOptions.h"
#include "filters/edges/GalleryWindow.h"
#include "filters/edges/LightControl.h"
#include "filters/edges/Thumbnail.h"
#include "filters/frame/FilterModuleApp.h"
#include "filters/frame/FrameUi.h"
#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/DialogHelp.h"
#include "framework/MessageBox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// The colour as the planes of the thumbnail hold it.
EdgesColour Unpacked(uint32_t colour, int32_t planes)
{
    EdgesColour c;
    c.plane[0] = int32_t(colour >> 16 & 0xFF);
    c.plane[1] = int32_t(colour >> 8 & 0xFF);
    c.plane[2] = int32_t(colour & 0xFF);
    if (planes == 1)
        c.plane[0] = (c.plane[0] + c.plane[1] + c.plane[2]) / 3;
    return c;
}

fw::DialogHelpRules EdgesHelpRules()
{
    fw::DialogHelpRules rules;
    rules.helpFile = FilterModuleApp::Get().HelpFile();
    // Help away from a control's topic is the Help button's: the contents.
    rules.elsewhere = fw::DialogHelpRules::Elsewhere::Contents;
    rules.controlTopic = [](uint32_t id) {
        return id == EdgesDialog::ID_HELP ? 0 : fw::ControlHelpTopic(EdgesDialog::IDD, id);
    };
    return rules;
}

} // namespace

EdgesDialog::EdgesDialog(const Thumbnail& thumbnail, uint32_t colour, QWidget* parent)
    : fw::Dialog(parent), thumbnail_(thumbnail), colour_(Unpacked(colour, thumbnail.Planes())),
      help_(new fw::DialogHelp(*this, EdgesHelpRules()))
{
}

void EdgesDialog::CreateControls()
{
    setWindowTitle("Edge style");
    auto* layout = new QHBoxLayout(this);
    gallery_ = new GalleryWindow(thumbnail_, colour_, this);
    fw::SetControlId(gallery_, IDC_GALLERY);
    fw::SetControlId(gallery_->Tabs(), IDC_TABS);
    // Four columns of three rows of cells under the tab strip.
    gallery_->setFixedSize(4 * GalleryLayout::kCellWidth, GalleryLayout::kTabHeight + 3 * GalleryLayout::kCellHeight);
    layout->addWidget(gallery_);

    auto* side = new QVBoxLayout;
    side->addWidget(AddButton(fw::IDOK, "OK"));
    side->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    side->addWidget(AddButton(ID_HELP, "&Help"));
    side->addStretch();
    auto* lightLabel = new QLabel("&Lightning:", this);
    side->addWidget(lightLabel);
    light_ = new LightControl(this);
    fw::SetControlId(light_, IDC_LIGHT);
    light_->setFixedSize(72, 72);
    lightLabel->setBuddy(light_);
    side->addWidget(light_, 0, Qt::AlignHCenter);
    side->addStretch();
    previous_ = AddButton(IDC_PREVIOUS, "< &Previous");
    next_ = AddButton(IDC_NEXT, "&Next >");
    side->addWidget(previous_);
    side->addWidget(next_);
    layout->addLayout(side);

    gallery_->onChange = [this] { UpdatePageButtons(); };
    light_->onChange = [this] { gallery_->SetShadow(light_->Shadow()); };
}

bool EdgesDialog::OnInitDialog()
{
    fw::Dialog::OnInitDialog();
    help_->PrepareControls();
    const EdgesOptions options = EdgesOptions::Read(FilterModuleApp::Get().Profile());
    light_->SetShadow(options.shadow);
    gallery_->SetShadow(light_->Shadow());
    gallery_->Show(options.page, options.firstRow, options.cursel);
    UpdatePageButtons();
    return true;
}

void EdgesDialog::UpdatePageButtons()
{
    const GalleryLayout layout = gallery_->Layout();
    previous_->setEnabled(layout.CanPrevious(gallery_->FirstRow()));
    next_->setEnabled(layout.CanNext(gallery_->FirstRow(), gallery_->ItemCount()));
}

void EdgesDialog::OnCommand(uint32_t id)
{
    const GalleryLayout layout = gallery_->Layout();
    if (id == IDC_PREVIOUS || id == IDC_NEXT) {
        const int32_t first = id == IDC_PREVIOUS ? layout.Previous(gallery_->FirstRow())
                                                 : layout.Next(gallery_->FirstRow(), gallery_->ItemCount());
        gallery_->Show(gallery_->Page(), first, gallery_->Cursel());
        UpdatePageButtons();
        return;
    }
    if (id == ID_HELP) {
        help_->ShowDialogHelp();
        return;
    }
    fw::Dialog::OnCommand(id);
}

void EdgesDialog::OnOK()
{
    mask = gallery_->SelectedMask();
    shadow = light_->Shadow();
    EdgesOptions options;
    options.page = gallery_->Page();
    options.cursel = gallery_->Cursel();
    options.firstRow = gallery_->FirstRow();
    options.shadow = shadow;
    try {
        options.Write(FilterModuleApp::Get().Profile());
    } catch (const QnExcept&) {
        // The choice holds for this run; the settings keep the old one.
    }
    fw::Dialog::OnOK();
}

bool RunEdgeStyleDialog(const Thumbnail& thumbnail, uint32_t colour, int32_t& mask, int32_t& shadow)
{
    if (!FrameGuiAvailable())
        return false;
    EdgesDialog dialog(thumbnail, colour, QApplication::activeWindow());
    if (dialog.DoModal() != fw::IDOK)
        return false;
    mask = dialog.mask;
    shadow = dialog.shadow;
    return true;
}
