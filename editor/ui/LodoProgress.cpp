#include "editor/ui/LodoProgress.h"

#include "editor/ui/SysColor.h"
#include "editor/helpdlg/SystemFont.h"
#include "editor/ui/UiStrings.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"

#include <QPainter>
#include <QProgressBar>
#include <QResizeEvent>
#include <cstdio>

CLodoProgress::CLodoProgress(QWidget* parent) : QWidget(parent)
{
    setFont(LdMakeFont(LdPointFont(80, "MS Sans Serif")));
}

bool CLodoProgress::Create(QWidget* parent)
{
    if (parent && parentWidget() != parent)
        setParent(parent);
    bar_ = new QProgressBar(this);
    fw::SetControlId(bar_, IDC_BAR);
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->setGeometry(QRect(QPoint(width() / divisor_, 0), QPoint(width() - 1, height() - 1)));
    bar_->show();
    Reset();
    return true;
}

void CLodoProgress::Reset()
{
    shown_ = QString::fromStdString(LdUiString(IDS_READY));
    if (bar_) {
        bar_->hide();
        bar_->setValue(0);
    }
    position_ = 0;
    repaint(TextRect());
}

void CLodoProgress::SetText(const QString& text)
{
    text_ = text;
    Refresh();
}

void CLodoProgress::SetPos(int p)
{
    if (p <= position_)
        return;
    position_ = p;
    if (bar_) {
        // Reset hid the bar; work under way shows it again.
        bar_->setValue(p);
        bar_->show();
    }
    Refresh();
}

void CLodoProgress::Refresh()
{
    const std::string pattern = LdUiString(IDS_PERCENT_DONE);
    const QByteArray name = text_.toLocal8Bit();
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, pattern.c_str(), position_, name.constData());
    shown_ = QString::fromLocal8Bit(buffer);
    repaint(TextRect());
}

QRect CLodoProgress::TextRect() const
{
    QRect r = rect();
    r.setRight(r.right() / divisor_);
    return r;
}

void CLodoProgress::paintEvent(QPaintEvent*)
{
    fw::GuardedCall([&] {
        QPainter painter(this);
        painter.fillRect(rect(), LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)));
        painter.setPen(LdQColor(LdGetSysColor(LD_COLOR_BTNTEXT)));
        painter.drawText(TextRect(), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine | Qt::TextDontClip, shown_);
    });
}

void CLodoProgress::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!bar_)
        return;
    const int cx = event->size().width();
    bar_->setGeometry(cx / divisor_, 0, cx - cx / divisor_, event->size().height());
}
