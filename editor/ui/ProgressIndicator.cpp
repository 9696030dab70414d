#include "editor/ui/ProgressIndicator.h"

#include "editor/helpdlg/SystemFont.h"
#include "editor/ui/UiStrings.h"
#include "framework/ControlId.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int32_t kBarMax = 32767;

// Dialog units of the window's font: a quarter of the average character
// width across, an eighth of the character height down.
QRect Units(const QFontMetrics& metrics, int x, int y, int w, int h)
{
    const int cx = metrics.averageCharWidth();
    const int cy = metrics.height();
    return QRect(x * cx / 4, y * cy / 8, w * cx / 4, h * cy / 8);
}

}  // namespace

ProgressIndicator::Range ProgressIndicator::BarRange(uint32_t done, uint32_t total)
{
    if (total >= uint32_t(kBarMax))
        return {kBarMax, int32_t(uint64_t(done) * kBarMax / total)};
    return {int32_t(total), int32_t(done)};
}

ProgressIndicator::ProgressIndicator(bool cancellable)
    : fw::Dialog(nullptr), cancellable(cancellable)
{
    // Not a child of the main window, which is disabled while this shows.
    setParent(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    setFont(LdMakeFont(LdPointFont(80, "MS Sans Serif")));
}

ProgressIndicator::~ProgressIndicator()
{
    cancelled = false;
}

void ProgressIndicator::CreateControls()
{
    const QFontMetrics metrics(font());
    setFixedSize(Units(metrics, 0, 0, 270, 50).size());
    text_ = new QLabel(this);
    fw::SetControlId(text_, IDC_TEXT);
    text_->setAlignment(Qt::AlignCenter);
    text_->setGeometry(Units(metrics, 7, 7, 256, 8));
    bar_ = new QProgressBar(this);
    fw::SetControlId(bar_, IDC_PROGRESS);
    bar_->setTextVisible(false);
    bar_->setGeometry(Units(metrics, 7, 18, 256, 8));
    AddButton(IDC_CANCEL, "&Cancel")->setGeometry(Units(metrics, 103, 29, 63, 14));
}

bool ProgressIndicator::Create(QWidget* parent)
{
    fw::Dialog::Create(nullptr);
    QRect over = parent ? parent->frameGeometry() : QRect();
    if (!parent || !parent->isVisible())
        if (QScreen* screen = QGuiApplication::primaryScreen())
            over = screen->availableGeometry();
    move(over.center() - rect().center());
    if (!cancellable) {
        auto* button = GetDlgItem(IDC_CANCEL);
        static_cast<QPushButton*>(button)->setText(QString::fromStdString(LdUiString(IDS_CANT_CANCEL)));
        button->setEnabled(false);
    }
    return true;
}

bool ProgressIndicator::OnInitDialog()
{
    cancelled = false;
    shown_.invalidate();
    bar_->setRange(0, 100);
    bar_->setValue(0);
    return true;
}

void ProgressIndicator::SetText(const QString& text)
{
    text_->setText(text);
}

void ProgressIndicator::SetProgress(uint32_t done, uint32_t total)
{
    // A reader reports every row: painting the bar and running the event
    // loop that often costs more than the decoding, and nobody sees more
    // than fifty updates a second. The last step always shows.
    if (shown_.isValid() && shown_.elapsed() < 20 && done < total)
        return;
    shown_.start();
    const Range range = BarRange(done, total);
    bar_->setRange(0, range.maximum);
    bar_->setValue(range.position);
    // A quit asked for meanwhile stays with the event loop, which ends once
    // the computation returns to it.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void ProgressIndicator::OnCommand(uint32_t id)
{
    if (id == IDC_CANCEL) {
        RequestCancel();
        return;
    }
    fw::Dialog::OnCommand(id);
}

void ProgressIndicator::RequestCancel()
{
    if (cancellable)
        cancelled = true;
}

void ProgressIndicator::reject()
{
    RequestCancel();
}

void ProgressIndicator::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        RequestCancel();
        event->accept();
        return;
    }
    fw::Dialog::keyPressEvent(event);
}
