// A colour swatch: a click opens the colour chooser on `colour`, takes what
// it answers (the same colour when cancelled) and then emits clicked(), so
// the owner hears of it either way. The button itself never clicks.
#pragma once

#include "framework/ColorDialog.h"

#include <QAbstractButton>

class CColorButton : public QAbstractButton {
public:
    explicit CColorButton(QWidget* parent = nullptr);

    // Read and written by the owner; repaint after writing.
    fw::ColorRef colour = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
