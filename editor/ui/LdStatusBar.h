// The main frame's status bar: the message pane, five icon buttons for the
// viewing commands (picture properties, zoom in, zoom out, actual size, fit
// in window) and three live panes for the zoom, the pointer position in the
// picture and the colour under the pointer.
#pragma once

#include "editor/ui/StatusTexts.h"
#include "framework/StatusBar.h"

#include <QImage>
#include <array>
#include <cstdint>

class CLdStatusBar : public fw::StatusBar {
public:
    static constexpr uint32_t ID_STATUS_BAR = 59393;
    // Pane ids (each also the string of the pane's tool tip).
    static constexpr uint32_t ID_INFO = 1078;
    static constexpr uint32_t ID_IN = 1080;
    static constexpr uint32_t ID_OUT = 1081;
    static constexpr uint32_t ID_ACTUAL = 1082;
    static constexpr uint32_t ID_FIT = 1083;
    static constexpr uint32_t ID_SCALE = 1084;
    static constexpr uint32_t ID_CURSOR = 1085;
    static constexpr uint32_t ID_COLOR = 1086;
    // The commands the icon panes send to the main window.
    static constexpr uint32_t ID_VIEW_PROPERTIES = 32789;
    static constexpr uint32_t ID_ZOOM_IN = 32785;
    static constexpr uint32_t ID_ZOOM_OUT = 32786;
    static constexpr uint32_t ID_ACTUAL_VIEW = 32784;
    // The view's "Fit in Window" (32787 is its "Correct Window Size").
    static constexpr uint32_t ID_FIT_IN_WINDOW = 32872;

    static constexpr int kFirstIcon = 1;
    static constexpr int kLastIcon = 5;
    static constexpr int kScalePane = 6;
    static constexpr int kCursorPane = 7;
    static constexpr int kColorPane = 8;

    explicit CLdStatusBar(QWidget* parent = nullptr);

    // The panes with their widths and styles; false when they cannot be set.
    bool Create(QWidget* parent);

    // Idle time: repaints the icons and takes the texts for the pointer.
    void OnUpdateCmdUI(fw::CmdTarget* target, bool disableIfNoHandler) override;
    // The three texts for a pointer at screenPoint.
    void UpdateTexts(const QPoint& screenPoint);
    const LdStatusTexts& Texts() const { return texts_; }

    int PressedPane() const { return pressed_; }
    int CharWidth() const { return charWidth_; }
    // The command of icon pane index (1-5), 0 for any other pane.
    static uint32_t PaneCommand(int index);

protected:
    void DrawPane(QPainter& painter, int index, const QRect& rect) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SendToMainWindow(uint32_t command);

    int pressed_ = -1;
    int charWidth_ = 0;
    LdStatusTexts texts_;
    std::array<QImage, kLastIcon + 1> icons_;
};
