#include "framework/SpinButton.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/EventGuard.h"

namespace fw {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    up->setAutoRepeat(true);
    auto* down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    down->setAutoRepeat(true);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { GuardedCall([&] { Step(1); }); });
    connect(down, &QToolButton::clicked, this, [this] { GuardedCall([&] { Step(-1); }); });
}

void SpinButton::SetRange(int16_t lower, int16_t upper)
{
    lower_ = lower;
    upper_ = upper;
}

void SpinButton::SetPos(int32_t position)
{
    position_ = static_cast<int16_t>(position);
    if (buddy_)
        buddy_->setText(QString::number(position_));
}

void SpinButton::Step(int direction)
{
    // The arrows start from what the buddy shows, within the range.
    int32_t at = position_;
    if (buddy_) {
        bool ok = false;
        const int shown = buddy_->text().trimmed().toInt(&ok);
        if (ok)
            at = shown;
    }
    const int16_t lo = std::min(lower_, upper_);
    const int16_t hi = std::max(lower_, upper_);
    const int32_t next = std::clamp(at + (lower_ <= upper_ ? direction : -direction), int32_t(lo), int32_t(hi));
    SetPos(next);
}

}  // namespace fw
