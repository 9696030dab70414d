#include "pluginhost/qt/PlugInRegistrationDialog.h"

#include "pluginhost/qt/PlugInQtMenu.h"

#include "framework/ControlId.h"
#include "framework/DialogTexts.h"
#include "pluginhost/FxgateStrings.h"

#include <algorithm>

#include <QApplication>
#include <QBoxLayout>
#include <QEventLoop>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>

namespace {

// A module path can be far wider than the window; it is clipped rather
// than let the window grow off the screen.
QLabel* Label(QWidget* parent, uint32_t id)
{
    auto* label = new QLabel(parent);
    fw::SetControlId(label, id);
    return label;
}

QLabel* ClippedLine(QWidget* parent, uint32_t id)
{
    QLabel* line = Label(parent, id);
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    line->setTextFormat(Qt::PlainText);
    return line;
}

} // namespace

PlugInRegistrationDialog::PlugInRegistrationDialog() : fw::Dialog(nullptr)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

void PlugInRegistrationDialog::CreateControls()
{
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    auto* icon = new QLabel(frame);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    text_ = Label(frame, IDC_TEXT);
    name_ = ClippedLine(frame, IDC_NAME);
    module_ = ClippedLine(frame, IDC_MODULE);
    progress_ = new QProgressBar(frame);
    fw::SetControlId(progress_, IDC_PROGRESS);
    progress_->setTextVisible(false);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(11, 11, 11, 11);
    grid->setColumnStretch(2, 1);
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(text_, 0, 1, 1, 2);
    grid->addWidget(Label(frame, IDC_NAME_LABEL), 1, 1);
    grid->addWidget(name_, 1, 2);
    grid->addWidget(Label(frame, IDC_MODULE_LABEL), 2, 1);
    grid->addWidget(module_, 2, 2);
    grid->addWidget(progress_, 3, 0, 1, 3);

    fw::ApplyDialogTexts(this, FxgateDialogTexts(IDD));
    setFixedWidth(380);
}

void PlugInRegistrationDialog::Open(const std::string& text)
{
    QWidget* over = QApplication::activeWindow();
    if (over)
        over = over->window();
    Create(over);
    name_->clear();
    module_->clear();
    progress_->setRange(0, 100);
    progress_->setValue(0);
    text_->setText(PlugInQtMenu::DisplayText(text));
    adjustSize();

    const QRect area = over ? over->frameGeometry()
                            : (screen() ? screen()->availableGeometry() : QRect(0, 0, width(), height()));
    move(area.center() - rect().center());
    show();
    activateWindow();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void PlugInRegistrationDialog::SetTotal(int32_t total)
{
    total_ = total;
    progress_->setValue(0);
}

void PlugInRegistrationDialog::SetName(const std::string& name)
{
    name_->setText(PlugInQtMenu::DisplayText(name));
}

void PlugInRegistrationDialog::SetModule(const std::string& path)
{
    module_->setText(QString::fromStdString(path));
}

void PlugInRegistrationDialog::Step(int32_t done)
{
    if (total_ > 0)
        progress_->setValue(static_cast<int>(std::clamp<int64_t>(int64_t{done} * 100 / total_, 0, 100)));
    // Repaints only: a click now could reach a menu of the catalogue that
    // the scan is in the middle of changing.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
}
