#include "filters/rubber/TrackBarEdit.h"

#include <QLineEdit>
#include <QSlider>

TrackBarEdit::TrackBarEdit(QSlider* slider, QLineEdit* edit, int32_t editMin, int32_t editMax, Store store,
                           int32_t offset)
    : QObject(slider), slider_(slider), edit_(edit), editMin_(editMin), editMax_(editMax), offset_(offset),
      store_(std::move(store))
{
    connect(slider_, &QAbstractSlider::actionTriggered, this, [this](int action) { OnAction(action); });
    connect(slider_, &QAbstractSlider::sliderReleased, this, [this] { OnReleased(); });
    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) { OnEdited(text); });
}

void TrackBarEdit::SetPosition(int32_t position)
{
    slider_->setValue(position);
    WriteEdit(slider_->value());
}

bool TrackBarEdit::ParseNumber(const QString& text, int32_t& value)
{
    const QString t = text.trimmed();
    const int digitsFrom = t.startsWith('-') || t.startsWith('+') ? 1 : 0;
    if (t.size() <= digitsFrom || t.size() > digitsFrom + 9)
        return false;
    for (int i = digitsFrom; i < t.size(); ++i)
        if (!t[i].isDigit() || t[i].unicode() > '9')
            return false;
    value = t.toInt();
    return true;
}

void TrackBarEdit::OnAction(int action)
{
    // The action has moved the thumb; the value follows after the signal.
    const int32_t position = slider_->sliderPosition();
    switch (action) {
    case QAbstractSlider::SliderNoAction: return;
    case QAbstractSlider::SliderMove:
        // A dragged thumb is stored when it is let go; a wheel turn at once.
        if (slider_->isSliderDown()) {
            WriteEdit(position);
            return;
        }
        break;
    default: break; // line, page, home and end
    }
    Commit(position, true);
}

void TrackBarEdit::OnReleased() { Commit(slider_->sliderPosition(), true); }

void TrackBarEdit::OnEdited(const QString& text)
{
    if (writing_)
        return;
    int32_t value = 0;
    if (!ParseNumber(text, value) || value < editMin_ || value > editMax_)
        return;
    const int32_t position = value - offset_;
    if (position == slider_->value())
        return;
    slider_->setValue(position);
    Commit(slider_->value(), false);
}

void TrackBarEdit::Commit(int32_t position, bool writeEdit)
{
    if (writeEdit)
        WriteEdit(position);
    store_(position);
}

void TrackBarEdit::WriteEdit(int32_t position)
{
    writing_ = true;
    edit_->setText(QString::number(position + offset_));
    writing_ = false;
}
