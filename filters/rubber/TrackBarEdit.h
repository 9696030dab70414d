// A track bar with the edit box beside it that shows its value, as the
// filters' dialogs pair them. Line, page, home, end and thumb-release
// moves store the position and write it into the edit box; while the
// thumb is dragged only the edit box follows. A number typed into the edit
// box that differs from the track bar and lies in the edit's range moves
// the track bar and is stored, the edit box keeping what was typed.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QLineEdit;
class QSlider;

class TrackBarEdit : public QObject {
public:
    using Store = std::function<void(int32_t position)>;

    // The edit box shows position + offset and accepts editMin..editMax.
    TrackBarEdit(QSlider* slider, QLineEdit* edit, int32_t editMin, int32_t editMax, Store store,
                 int32_t offset = 0);

    // Places the track bar (held to its range) and shows it, storing
    // nothing: the dialog's start.
    void SetPosition(int32_t position);
    QSlider* Slider() const { return slider_; }
    QLineEdit* Edit() const { return edit_; }

    // The number an edit box holds: digits alone, with a sign where the
    // range is signed; false for anything else, a blank box included.
    static bool ParseNumber(const QString& text, int32_t& value);

private:
    void OnAction(int action);
    void OnReleased();
    void OnEdited(const QString& text);
    void Commit(int32_t position, bool writeEdit);
    void WriteEdit(int32_t position);

    QSlider* slider_;
    QLineEdit* edit_;
    int32_t editMin_;
    int32_t editMax_;
    int32_t offset_;
    Store store_;
    bool writing_ = false;
};
