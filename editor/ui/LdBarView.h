// What a dialog bar's logic asks of its widget: the client size, the fixed
// controls by id, the task buttons, the tool's option panel, the comment box
// and repainting. The widget carries these out; tests record them.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>

class CLdLoadable;
class CLdTool;

class CLdBarView {
public:
    virtual ~CLdBarView() = default;

    // False before the bar has a window.
    virtual bool HasWindow() const = 0;
    virtual QSize ClientSize() const = 0;

    // The fixed controls (Cancel, OK, Home, the rows, the comment box) come
    // into being the first time the bar gets a real size.
    virtual bool ControlsCreated() const = 0;
    virtual void CreateControls() = 0;
    virtual void ShowControl(uint32_t id, bool show) = 0;
    virtual bool IsControlShown(uint32_t id) const = 0;
    virtual void MoveControl(uint32_t id, const QRect& r) = 0;
    virtual QRect ControlRect(uint32_t id) const = 0;
    virtual void RepaintControl(uint32_t id) = 0;

    // A task button for entry (caption, picture, tool tip, help id) with id.
    virtual void AddTaskButton(const CLdLoadable& entry, uint32_t id, const QRect& r) = 0;
    virtual void EnableTaskButton(uint32_t id, bool enable) = 0;
    virtual void DeleteTaskButtons() = 0;

    // The tool's option panel with its top-left at at; the panel's rectangle,
    // or nothing when the tool has none.
    virtual std::optional<QRect> CreateOptionsPanel(CLdTool& tool, const QPoint& at, bool vertical, int flag) = 0;
    virtual void DestroyOptionsPanel() = 0;

    // The entry's comment into the comment box (null: empty).
    virtual void ShowComment(CLdLoadable* entry) = 0;

    // Moves Cancel, OK, Home, the task buttons and the panel by (dx, dy),
    // their textures with them; origin is the bar's scroll origin after the
    // move. Repaints at once.
    virtual void MoveContents(const QPoint& delta, const QPoint& origin) = 0;
    // Ends a slide: the panel of a horizontal bar repainted, the hot look of
    // OK, Home and Cancel cleared.
    virtual void EndSlide(bool repaintPanel) = 0;
    virtual void RepaintStage() = 0;

    virtual void MessageBox(const std::string& text) = 0;
    // Plays the program's wave id when the Sound switch is on.
    virtual void PlayWave(uint32_t id) = 0;
};
