// The thin progress strip of a picture view: "Ready", or the percentage
// done and the name of the work in its left third, and a bar in the rest
// while the view renders. Progress only moves forward.
#pragma once

#include <QString>
#include <QWidget>

class QProgressBar;

class CLodoProgress : public QWidget {
public:
    static constexpr uint32_t IDC_BAR = 300;

    explicit CLodoProgress(QWidget* parent = nullptr);

    // Makes the bar over the right two thirds, then Reset.
    bool Create(QWidget* parent);
    // "Ready", bar hidden, position 0.
    void Reset();
    void SetText(const QString& text);
    // Ignored unless p is past the position shown; shows the bar.
    void SetPos(int p);

    const QString& Shown() const { return shown_; }
    int Position() const { return position_; }
    QProgressBar* Bar() const { return bar_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Refresh();
    QRect TextRect() const;

    QProgressBar* bar_ = nullptr;
    QString text_;
    QString shown_;
    int position_ = 0;
    int divisor_ = 3;
};
