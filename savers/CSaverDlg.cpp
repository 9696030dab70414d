#include "savers/CSaverDlg.h"

#include "base/QnExcept.h"
#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "imexp/ImExp.h"
#include "savers/CSaverAboutDlg.h"
#include "savers/CSaverWnd.h"
#include "savers/SaverIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <fstream>

namespace {

int32_t ToRange(int32_t value) { return std::clamp(value, SaverModel::kMinSetting, SaverModel::kMaxSetting); }

// Whether path names a file that opens and holds a picture of a kind the
// savers read: without one the preview can only show the desktop.
bool PictureFileReadable(const std::string& path)
{
    if (path.empty())
        return false;
    std::ifstream in(path, std::ios::binary);
    uint8_t head[64] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    return in.gcount() > 0 && imexp::DetectFormat({head, size_t(in.gcount())}) != imexp::Format::Unknown;
}

} // namespace

CSaverDlg::CSaverDlg(const SaverProgram& program, SaverSettings settings, SaverScreen& screen,
                     std::string programPath, QWidget* parent)
    : fw::Dialog(parent), program_(program), settings_(std::move(settings)), screen_(screen),
      programPath_(std::move(programPath))
{
    size = ToRange(settings_.GetInt(kSaverSize, 10));
    if (program_.hasStrength)
        strength = ToRange(settings_.GetInt(kSaverWhirl, 30));
    useScreen = settings_.GetInt(kSaverScreen, 0) != 0;
    setWindowTitle(QString::fromStdString(program_.caption));
    setWindowIcon(QApplication::style()->standardIcon(QStyle::SP_DesktopIcon));
}

QSlider* CSaverDlg::MakeSlider(uint32_t id)
{
    auto* slider = new QSlider(Qt::Horizontal, this);
    fw::SetControlId(slider, id);
    slider->setRange(SaverModel::kMinSetting, SaverModel::kMaxSetting);
    slider->setPageStep(10);
    return slider;
}

QSlider* CSaverDlg::Slider(uint32_t id) const { return qobject_cast<QSlider*>(GetDlgItem(id)); }

QCheckBox* CSaverDlg::UseScreenBox() const { return qobject_cast<QCheckBox*>(GetDlgItem(IDC_USE_SCREEN)); }

void CSaverDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    placeholder_ = new QWidget(this);
    fw::SetControlId(placeholder_, IDC_PREVIEW);
    placeholder_->setFixedSize(180, 134);
    layout->addWidget(placeholder_, 0, 0);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    buttons->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    QPushButton* load = AddButton(IDC_LOAD_PICTURE, "Load Picture...");
    load->hide();
    buttons->addWidget(load);
    auto* useScreenBox = new QCheckBox("Use &screen", this);
    fw::SetControlId(useScreenBox, IDC_USE_SCREEN);
    buttons->addWidget(useScreenBox);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 1);

    auto* sizeLabel = new QLabel(QString::fromStdString(program_.sizeLabel), this);
    fw::SetControlId(sizeLabel, IDC_SIZE_LABEL);
    QSlider* sizeSlider = MakeSlider(IDC_SIZE);
    if (program_.hasStrength) {
        auto* group = new QGroupBox("Effect Parameters", this);
        fw::SetControlId(group, IDC_EFFECT_GROUP);
        auto* inner = new QVBoxLayout(group);
        inner->addWidget(sizeLabel);
        inner->addWidget(sizeSlider);
        auto* whirlLabel = new QLabel("Whirl", group);
        fw::SetControlId(whirlLabel, IDC_WHIRL_LABEL);
        inner->addWidget(whirlLabel);
        inner->addWidget(MakeSlider(IDC_WHIRL));
        layout->addWidget(group, 1, 0, 1, 2);
    } else {
        layout->addWidget(sizeLabel, 1, 0, 1, 2);
        layout->addWidget(sizeSlider, 2, 0, 1, 2);
    }
}

bool CSaverDlg::OnInitDialog()
{
    fw::Dialog::OnInitDialog();
    const bool first = !preview_;
    if (first) {
        preview_ = new CSaverWnd(program_, settings_, screen_, false, placeholder_);
        preview_->setGeometry(placeholder_->rect());
        preview_->show();
    }
    for (const uint32_t id : {IDC_SIZE, IDC_WHIRL}) {
        QSlider* slider = Slider(id);
        if (!slider)
            continue;
        slider->setValue(id == IDC_SIZE ? size : strength);
        if (!first)
            continue;
        // The end of tracking by mouse, and every move by the keyboard.
        connect(slider, &QSlider::sliderReleased, this, [this, id] { OnSliderReleased(id); });
        connect(slider, &QSlider::valueChanged, this, [this, id, slider] {
            if (!slider->isSliderDown())
                OnSliderReleased(id);
        });
    }
    if (!PictureFileReadable(preview_->Model().PicturePath())) {
        useScreen = 1;
        UseScreenBox()->setChecked(true);
        UseScreenBox()->setEnabled(false);
    }
    return true;
}

void CSaverDlg::DoDataExchange(fw::DataExchange& dx) { fw::DDX_Check(dx, IDC_USE_SCREEN, useScreen); }

void CSaverDlg::OnCommand(uint32_t id)
{
    if (id == IDC_USE_SCREEN)
        OnUseScreen();
    else if (id == IDC_LOAD_PICTURE)
        OnLoadPicture();
    else
        fw::Dialog::OnCommand(id);
}

void CSaverDlg::OnSliderReleased(uint32_t id)
{
    if (QSlider* slider = Slider(id))
        (id == IDC_SIZE ? size : strength) = slider->value();
    preview_->SetEffectSize(size, strength);
}

void CSaverDlg::OnUseScreen()
{
    useScreen = UseScreenBox()->isChecked() ? 1 : 0;
    if (useScreen)
        preview_->CaptureScreen();
    else
        preview_->LoadPicture();
}

void CSaverDlg::OnLoadPicture()
{
    fw::FileDialogRequest request;
    request.open = true;
    request.filters = {"Bitmap Files (*.bmp)"};
    request.defaultExtension = ".bmp";
    request.mustExist = true;
    request.owner = this;
    if (const std::optional<std::string> path = fw::RunFileDialog(request))
        preview_->SetPicturePath(*path);
}

void CSaverDlg::OnSysCommand(uint32_t id)
{
    if ((id & 0xFFF0) != IDM_ABOUTBOX)
        return;
    CSaverAboutDlg about(program_, this);
    about.DoModal();
}

void CSaverDlg::contextMenuEvent(QContextMenuEvent* event)
{
    // What the system menu's extra item was: the About box.
    const std::string text = fw::App::Get() ? fw::App::Get()->LoadString(IDS_ABOUTBOX) : std::string();
    if (text.empty())
        return;
    QMenu menu(this);
    QAction* about = menu.addAction(QString::fromStdString(text));
    if (menu.exec(event->globalPos()) == about)
        OnSysCommand(IDM_ABOUTBOX);
}

void CSaverDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    try {
        settings_.WriteString(kSaverName, preview_->Model().PicturePath());
        settings_.WriteInt(kSaverSize, size);
        if (program_.hasStrength)
            settings_.WriteInt(kSaverWhirl, strength);
        settings_.WriteInt(kSaverScreen, useScreen);
        settings_.RegisterAsScreenSaver(programPath_);
    } catch (const QnExcept& e) {
        fw::MessageBox(std::string("The settings could not be saved.\n") + e.what(), fw::MB_OK | fw::MB_ICONSTOP);
        return;
    }
    EndDialog(fw::IDOK);
}
