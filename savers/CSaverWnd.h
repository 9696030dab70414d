// The effect window: the picture stretched over the window and the effect
// square moving over it, one step every 10 ms of the tick clock. The same
// window is the preview of the settings dialog, the preview inside another
// program's window and (as CSaverFullScreenWnd) the full-screen saver.
#pragma once

#include "render/Rect.h"
#include "savers/SaverModel.h"

#include <QTimer>
#include <QWidget>

class CSaverWnd : public QWidget {
public:
    // autoDelete: the window goes away with its object when closed (the
    // preview and full-screen windows); the dialog's preview is deleted with
    // the dialog.
    CSaverWnd(const SaverProgram& program, SaverSettings settings, SaverScreen& screen, bool autoDelete,
              QWidget* parent = nullptr);
    // Writes "Path".
    ~CSaverWnd() override;

    SaverModel& Model() { return model_; }
    const SaverModel& Model() const { return model_; }

    void SetEffectSize(int32_t size, int32_t strength) { model_.SetEffectSize(size, strength); }
    void SetPicturePath(const std::string& path) { model_.SetPicturePath(path); }
    void LoadPicture() { model_.LoadPicture(); }
    void CaptureScreen() { model_.CaptureScreen(); }

    // One timer period: the steps the clock says are due, then the old and
    // the new square redrawn.
    void OnTimer();

    static constexpr int kTimerPeriodMs = 10;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QnPoint ClientSize() const { return QnPoint{width(), height()}; }

    SaverModel model_;
    QTimer timer_;
    QRect lastSquare_;  // where the square was drawn last, in widget pixels
};
