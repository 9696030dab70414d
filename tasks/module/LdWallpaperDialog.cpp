#include "tasks/module/LdWallpaperDialog.h"

#include "framework/Clipboard.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "tasks/module/LdModuleHelp.h"
#include "tasks/module/LdWallpaperPreview.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The preview control: its own painting is the dialog's.
class PreviewBox : public QFrame {
public:
    PreviewBox(CLdWallpaperDialog* dialog) : QFrame(dialog), dialog_(dialog)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The proportions of a 4:3 screen.
        setFixedSize(200, 150);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        dialog_->PaintPreview(painter, contentsRect());
        painter.end();
        QFrame::paintEvent(event);
    }

private:
    CLdWallpaperDialog* dialog_;
};

}  // namespace

CLdWallpaperDialog::CLdWallpaperDialog(const void* dib, uint32_t dibSize, CLdWallpaperSetter& setter,
                                       QWidget* parent)
    : CLdHelpDlg(IDD, parent, LdModuleDialogStyle()), setter_(setter)
{
    setWindowTitle("Set Wallpaper");
    helpId = kHelpId;
    if (dib && dibSize) {
        const auto* bytes = static_cast<const uint8_t*>(dib);
        if (const auto image = fw::Clipboard::DibToImage(std::vector<uint8_t>(bytes, bytes + dibSize)))
            picture_ = *image;
    }
}

void CLdWallpaperDialog::CreateControls()
{
    auto* layout = new QGridLayout(this);
    preview_ = new PreviewBox(this);
    fw::SetControlId(preview_, IDC_PREVIEW);
    layout->addWidget(preview_, 0, 0, 1, 2, Qt::AlignHCenter);

    auto* centred = new QRadioButton("&Centered", this);
    fw::SetControlId(centred, IDC_CENTERED);
    auto* tiled = new QRadioButton("&Tiled", this);
    fw::SetControlId(tiled, IDC_TILED);
    auto* usePicture = new QCheckBox("&Use picture", this);
    fw::SetControlId(usePicture, IDC_USE_PICTURE);
    layout->addWidget(centred, 1, 0);
    layout->addWidget(tiled, 1, 1);
    layout->addWidget(usePicture, 2, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    buttons->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    buttons->addWidget(AddButton(IDC_APPLY, "&Apply"));
    buttons->addWidget(AddButton(fw::ID_HELP, "&Help"));
    buttons->addStretch();
    layout->addLayout(buttons, 0, 2, 3, 1);
}

bool CLdWallpaperDialog::OnInitDialog()
{
    setter_.Open();
    QSize screen(640, 480);
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screen = primary->availableGeometry().size();
    screenWidth = screen.width();
    screenHeight = screen.height();
    CLdHelpDlg::OnInitDialog();
    // Above the editor, which is minimised meanwhile, and in front.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    activateWindow();
    return true;
}

void CLdWallpaperDialog::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Radio(dx, IDC_CENTERED, setter_.tiled);
    fw::DDX_Check(dx, IDC_USE_PICTURE, setter_.usePicture);
}

void CLdWallpaperDialog::OnCommand(uint32_t id)
{
    switch (id) {
    case IDC_APPLY:
        SetDesktopWallpaper();
        break;
    case IDC_CENTERED:
    case IDC_TILED:
    case IDC_USE_PICTURE:
        UpdateData(true);
        preview_->update();
        break;
    default:
        CLdHelpDlg::OnCommand(id);
    }
}

void CLdWallpaperDialog::SetDesktopWallpaper()
{
    if (UpdateData(true))
        setter_.SetDesktopWallpaper();
}

void CLdWallpaperDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    // A picture that cannot be written raises before the dialog ends: the
    // user is told and can try again or cancel.
    setter_.SetDesktopWallpaper();
    EndDialog(fw::IDOK);
}

void CLdWallpaperDialog::OnCancel()
{
    setter_.Restore();
    UpdateData(false);
    EndDialog(fw::IDCANCEL);
}

void CLdWallpaperDialog::PaintPreview(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, Qt::black);
    if (!setter_.usePicture || picture_.isNull())
        return;
    painter.setClipRect(area);
    const QSize screen(screenWidth, screenHeight);
    const std::vector<QRect> tiles = CLdWallpaperPreview::Tiles(area, picture_.size(), screen, setter_.tiled != 0);
    if (tiles.empty())
        return;
    if (scaled_.size() != tiles.front().size())
        scaled_ = QPixmap::fromImage(
            picture_.scaled(tiles.front().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    for (const QRect& tile : tiles)
        painter.drawPixmap(tile.topLeft(), scaled_);
}
