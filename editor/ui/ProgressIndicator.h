// The small modeless window of a long computation: what is being done, a
// bar, and Cancel (or "Can't cancel", disabled). Cancel and Escape only
// raise the cancelled flag, which the computation reads on its next step;
// each progress report lets waiting events through, so the editor stays
// painted and the button can be pressed.
#pragma once

#include "framework/Dialog.h"

#include <QElapsedTimer>

#include <cstdint>

class QLabel;
class QProgressBar;

class ProgressIndicator : public fw::Dialog {
public:
    static constexpr uint32_t IDD = 152;
    static constexpr uint32_t IDC_CANCEL = 1071;
    static constexpr uint32_t IDC_TEXT = 1068;
    static constexpr uint32_t IDC_PROGRESS = 1065;

    // The bar's range and position for done of total: totals from 32767 up
    // are scaled into 0..32767, computed in 64 bits.
    struct Range {
        int32_t maximum;
        int32_t position;
        bool operator==(const Range&) const = default;
    };
    static Range BarRange(uint32_t done, uint32_t total);

    explicit ProgressIndicator(bool cancellable);
    ~ProgressIndicator() override;

    // Shows the window centred over parent (over the screen without one).
    bool Create(QWidget* parent);
    bool OnInitDialog() override;
    void SetText(const QString& text);
    void SetProgress(uint32_t done, uint32_t total);
    void OnCommand(uint32_t id) override;

    bool cancelled = false;
    const bool cancellable;

    QLabel* Text() const { return text_; }
    QProgressBar* Bar() const { return bar_; }

protected:
    void CreateControls() override;
    // Escape: cancels when it may, and never closes the window.
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RequestCancel();

    QLabel* text_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QElapsedTimer shown_; // since the bar was last painted and events run
};
