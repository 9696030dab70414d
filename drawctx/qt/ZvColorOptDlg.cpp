#include "drawctx/qt/ZvColorOptDlg.h"

#include "drawctx/ZvLibraryResources.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

QString Text(int id) { return QString::fromUtf8(ZvLibraryLangResources().String(uint32_t(id)).c_str()); }

template <class W> W* WithId(W* w, uint32_t id, uint32_t helpId = 0)
{
    fw::SetControlId(w, id);
    if (helpId)
        fw::SetHelpId(w, helpId);
    return w;
}

} // namespace

ZvColorOptDlg::ZvColorOptDlg(QWidget* owner, ZvColorOptModel& model) : ZvTemplateDialog(owner), model_(model) {}

void ZvColorOptDlg::CreateControls()
{
    auto* grid = new QGridLayout(this);
    auto* depthLabel = WithId(new QLabel(this), 1000);
    depth_ = WithId(new QComboBox(this), 101, 3070);
    depthLabel->setBuddy(depth_);
    auto* ditherLabel = WithId(new QLabel(this), 102);
    dither_ = WithId(new QComboBox(this), 103, 3071);
    ditherLabel->setBuddy(dither_);
    colorsLabel_ = WithId(new QLabel(this), 104);
    colors_ = WithId(new QLineEdit(this), 105, 3072);
    colorsLabel_->setBuddy(colors_);
    fastView_ = WithId(new QCheckBox(this), 106, 3073);
    grid->addWidget(depthLabel, 0, 0);
    grid->addWidget(depth_, 0, 1);
    grid->addWidget(ditherLabel, 1, 0);
    grid->addWidget(dither_, 1, 1);
    grid->addWidget(colorsLabel_, 2, 0);
    grid->addWidget(colors_, 2, 1);
    grid->addWidget(fastView_, 3, 1);

    auto* result = WithId(new QGroupBox(this), 1003);
    auto* resultRow = new QHBoxLayout(result);
    resultIcon_ = WithId(new QLabel(result), 1004);
    resultText_ = WithId(new QLabel(result), 1005);
    resultText_->setWordWrap(true);
    resultText_->setMinimumWidth(320);
    // Room for the longest message, which wraps to five lines.
    resultText_->setMinimumHeight(resultText_->fontMetrics().lineSpacing() * 5);
    resultText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resultRow->addWidget(resultIcon_, 0, Qt::AlignTop);
    resultRow->addWidget(resultText_, 1);
    grid->addWidget(result, 4, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddButton(1, "&OK"));
    buttons->addWidget(AddButton(2, "&Cancel"));
    buttons->addWidget(WithId(AddButton(107, "&Apply"), 107, 3074));
    buttons->addWidget(AddButton(108, "&Help"));
    grid->addLayout(buttons, 5, 0, 1, 2);

    connect(depth_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (filling_)
            return;
        fw::GuardedCall([&] {
            model_.SelectDepth(entry);
            FillDithers();
            Refresh();
        });
    });
    connect(dither_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (filling_)
            return;
        fw::GuardedCall([&] {
            model_.SelectDither(entry);
            Refresh();
        });
    });
    connect(colors_, &QLineEdit::editingFinished, this, [this] {
        fw::GuardedCall([&] {
            model_.SetColorsText(colors_->text().trimmed().toStdString());
            ShowColors();
            ShowResult();
        });
    });
    connect(fastView_, &QCheckBox::clicked, this, [this](bool on) {
        model_.SetFastView(on);
        ShowResult();
    });
}

bool ZvColorOptDlg::OnInitDialog()
{
    GetDlgItem(108)->setVisible(model_.HasHelp());
    filling_ = true;
    for (int code : model_.Depths())
        depth_->addItem(Text(511 + code));
    depth_->setCurrentIndex(model_.DepthSelection());
    filling_ = false;
    FillDithers();
    fastView_->setChecked(model_.Options().fastView != 0);
    Refresh();
    return ZvTemplateDialog::OnInitDialog();
}

void ZvColorOptDlg::FillDithers()
{
    filling_ = true;
    dither_->clear();
    for (int i : model_.Dithers())
        dither_->addItem(Text(528 + i));
    dither_->setCurrentIndex(model_.DitherSelection());
    filling_ = false;
}

void ZvColorOptDlg::Refresh()
{
    fastView_->setEnabled(model_.FastViewEnabled());
    GetDlgItem(1)->setEnabled(model_.OkEnabled());
    GetDlgItem(107)->setEnabled(model_.OkEnabled());
    ShowColors();
    // The result follows every change of the choice, the dithering's too.
    ShowResult();
}

void ZvColorOptDlg::ShowColors()
{
    colors_->setText(QString::number(model_.Options().colors));
    colors_->setEnabled(model_.ColorsEnabled());
    colorsLabel_->setEnabled(model_.ColorsEnabled());
}

void ZvColorOptDlg::ShowResult()
{
    // The system's information, warning and error icons stand for the
    // library's OK, attention and fail icons.
    const QStyle::StandardPixmap icon = model_.ResultIcon() == ZvColorOptModel::IconOk ? QStyle::SP_MessageBoxInformation
                                        : model_.ResultIcon() == ZvColorOptModel::IconAttention
                                            ? QStyle::SP_MessageBoxWarning
                                            : QStyle::SP_MessageBoxCritical;
    resultIcon_->setPixmap(style()->standardIcon(icon).pixmap(32, 32));
    // Texts of the result line are held to 511 bytes.
    char text[512];
    ZvLibraryLangResources().LoadString(uint32_t(model_.ResultMessage()), text, sizeof text);
    resultText_->setText(QString::fromUtf8(text));
}

void ZvColorOptDlg::OnCommand(uint32_t id)
{
    switch (id) {
    case 107: model_.Apply(); break;
    case 108: model_.Help(); break;
    default: ZvTemplateDialog::OnCommand(id);
    }
}

void SelectColorDitherOptions(QWidget* owner, int waType, ZV_CDOPTFV& options, ZvIsFastProc isFast,
                              ZvIsAvailableProc isAvailable, ZvUserProc changed, ZvUserProc help, intptr_t user)
{
    ZvColorOptModel model(waType, options, isFast, isAvailable, changed, help, user);
    ZvColorOptDlg dlg(owner, model);
    model.Finish(ZvLoadDialog("COLOROPT", dlg) == fw::IDOK);
}
