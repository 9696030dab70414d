// A dialog bar of the guided interface: the task bar at the left (one button
// per stage) or the tool bar at the top (the current stage's entries, or a
// tool's option panel with OK and Cancel). The widget draws the textured
// background and the selected stage's picture, holds the buttons and the
// panel, and hands every command to its CLdBarLogic, which decides.
#pragma once

#include "editor/ui/LdBarLogic.h"
#include "editor/ui/LdBarView.h"
#include "framework/DialogBar.h"

#include <QPointer>
#include <vector>

class CBarButton;
class CColorButton;
class CLdBarHost;
class CLdBarManager;
class QLabel;

namespace fw {
class CmdUI;
}

class CLdDialogBar : public fw::DialogBar, public CLdBarView {
    FW_DECLARE_DYNAMIC(CLdDialogBar)

public:
    CLdDialogBar(CLdBarManager& manager, CLdBarHost& host, QWidget* parent = nullptr);
    ~CLdDialogBar() override;

    CLdBarLogic& Logic() { return logic_; }
    // Context help for the control under the pointer: 1 when the bar gave it.
    int HelpUnderCursor();

    const fw::MessageMap* GetMessageMap() const override;
    // The bar updates its controls through its own handlers: the other bar
    // of the frame has buttons of the same ids, and a tool's panel keeps
    // its controls as the tool set them.
    void OnUpdateCmdUI(fw::CmdTarget* target, bool disableIfNoHandler) override;

    // CLdBarView
    bool HasWindow() const override;
    QSize ClientSize() const override { return size(); }
    bool ControlsCreated() const override { return home_ != nullptr; }
    void CreateControls() override;
    void ShowControl(uint32_t id, bool show) override;
    bool IsControlShown(uint32_t id) const override;
    void MoveControl(uint32_t id, const QRect& r) override;
    QRect ControlRect(uint32_t id) const override;
    void RepaintControl(uint32_t id) override;
    void AddTaskButton(const CLdLoadable& entry, uint32_t id, const QRect& r) override;
    void EnableTaskButton(uint32_t id, bool enable) override;
    void DeleteTaskButtons() override;
    std::optional<QRect> CreateOptionsPanel(CLdTool& tool, const QPoint& at, bool vertical, int flag) override;
    void DestroyOptionsPanel() override;
    void ShowComment(CLdLoadable* entry) override;
    void MoveContents(const QPoint& delta, const QPoint& origin) override;
    void EndSlide(bool repaintPanel) override;
    void RepaintStage() override;
    void MessageBox(const std::string& text) override;
    void PlayWave(uint32_t id) override;

    // The task button of id, null when there is none.
    CBarButton* TaskButton(uint32_t id) const;
    QWidget* OptionsPanel() const { return panel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* Control(uint32_t id) const;
    CBarButton* MakeFixedButton(uint32_t id, uint32_t bitmap, uint32_t helpId, const char* caption = nullptr);

    void OnHome() { logic_.OnHome(); }
    void OnCancel() { logic_.OnCancel(); }
    void OnOk() { logic_.OnOk(); }
    void OnPrevious() { logic_.OnPrevious(); }
    void OnNext() { logic_.OnNext(); }
    void OnHelp() { logic_.OnHelp(); }
    void OnUndo() { logic_.OnUndo(); }
    void OnRedo() { logic_.OnRedo(); }
    void OnForeground();
    void OnBackground();
    void OnTaskButton(uint32_t id) { logic_.OnTaskButton(id); }
    void OnUpdateTaskButton(fw::CmdUI& ui);
    void OnUpdateUndo(fw::CmdUI& ui);
    void OnUpdateRedo(fw::CmdUI& ui);

    CLdBarHost& host_;
    CLdBarLogic logic_;
    CBarButton* cancel_ = nullptr;
    CBarButton* ok_ = nullptr;
    CBarButton* home_ = nullptr;
    CBarButton* previous_ = nullptr;
    CBarButton* next_ = nullptr;
    CBarButton* help_ = nullptr;
    CBarButton* undo_ = nullptr;
    CBarButton* redo_ = nullptr;
    CColorButton* foreground_ = nullptr;
    CColorButton* background_ = nullptr;
    QLabel* comment_ = nullptr;
    std::vector<CBarButton*> taskButtons_;
    QPointer<QWidget> panel_;
};
