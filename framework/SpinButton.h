// Up and down arrows beside an edit control (its buddy): a position within
// a 16-bit range, shown in the buddy as a number. Typing in the buddy is not
// limited by the range; only the arrows are.
#pragma once

#include <QWidget>
#include <cstdint>

class QLineEdit;

namespace fw {

class SpinButton : public QWidget {
public:
    explicit SpinButton(QWidget* parent = nullptr);

    void SetBuddy(QLineEdit* buddy) { buddy_ = buddy; }
    QLineEdit* GetBuddy() const { return buddy_; }
    // Limits of the arrows; the system keeps both in 16 bits.
    void SetRange(int16_t lower, int16_t upper);
    int16_t Lower() const { return lower_; }
    int16_t Upper() const { return upper_; }
    // Sets the position (taken to 16 bits as the system does) and shows it.
    void SetPos(int32_t position);
    int16_t GetPos() const { return position_; }
    // One arrow step: +1 up, -1 down; stops at the range's ends.
    void Step(int direction);

private:
    QLineEdit* buddy_ = nullptr;
    int16_t lower_ = 0;
    int16_t upper_ = 100;
    int16_t position_ = 0;
};

}  // namespace fw
