// The logic of a dialog bar of the guided interface: which task buttons it
// shows for which task, the stack of levels opened on it (with the next step
// of each sequence), the tool whose option panel it shows with OK and
// Cancel, the snapshot of the tool parameters and selection taken when a
// tool opens, what each button does and when a task button is enabled. It
// drives its widget through CLdBarView and knows the interface manager and
// the application only through CLdBarManager and CLdBarHost.
#pragma once

#include "editor/loadable/SelectParams.h"
#include "framework/ColorDialog.h"
#include "render/Rgn.h"

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CLdBarHost;
class CLdBarManager;
class CLdBarView;
class CLdLoadable;

class CLdBarLogic {
public:
    CLdBarLogic(CLdBarView& view, CLdBarManager& manager, CLdBarHost& host);
    ~CLdBarLogic();
    CLdBarLogic(const CLdBarLogic&) = delete;
    CLdBarLogic& operator=(const CLdBarLogic&) = delete;

    // --- asked by the interface manager ---

    // Opens name on this bar: picture wizards get the picture first (or wait
    // for one as the pending task); an entry whose Execute answers 0 did its
    // work and the bar stays; otherwise the bar slides to name's entries.
    void SetTask(const std::string& name);
    // Fills the bar with entries as task buttons (a sequence goes on with
    // its next step instead).
    void FillTask(const std::string& name, const std::vector<std::string>& entries, int sequence);
    // Opens the tool's option panel with OK and Cancel beside it.
    void ShowTool(const std::string& name, int flag);
    void SetButtons(int cancel, int ok, int home, int nav);
    void SelectByName(const std::string& name);
    // Commits and closes an open option panel: 1 when there was one.
    int CloseToolPanel();

    // --- the widget's events ---

    // The bar was sized (restored: not minimised).
    void OnSize(int32_t cx, int32_t cy, bool restored = true);
    void Layout();

    void OnHome();
    void OnCancel();
    void OnOk();
    void OnPrevious();
    void OnNext();
    void OnHelp();
    void OnUndo();
    void OnRedo();
    // The colour buttons' new colours.
    void OnForeground(fw::ColorRef colour);
    void OnBackground(fw::ColorRef colour);
    void OnTaskButton(uint32_t id);

    // Whether task button id is enabled; nothing when the update switched
    // to the pending task instead. Previous and Next follow.
    std::optional<bool> OnUpdateTaskButton(uint32_t id);
    bool UndoEnabled() const;
    bool RedoEnabled() const;

    // --- state ---

    bool Vertical() const { return vertical_; }
    QRect StageBox() const { return stageBox_; }
    QPoint ScrollOrigin() const { return scrollOrigin_; }
    int32_t SelectedIndex() const { return selectedIndex_; }
    const std::vector<std::unique_ptr<CLdLoadable>>& Loadables() const { return loadables_; }
    const CLdLoadable* Current() const { return current_.get(); }
    const std::vector<std::string>& NameStack() const { return nameStack_; }
    const std::vector<int32_t>& StepStack() const { return stepStack_; }
    const std::string& PendingTask() const { return pendingTask_; }
    bool HasOptionsPanel() const { return panel_.has_value(); }
    const QnRgn& SavedSelection() const { return savedSelection_; }

private:
    void ClearBar();
    void CreateTaskButtons();
    void AdvanceSequence();
    void GoBack();
    void SlideAnimate(bool in);
    void MoveContents(const QPoint& delta);
    void SnapshotToolState();
    void RestoreToolState();
    void CommitTool();
    void CommitIfEditing();
    void ActivateToolMode(const std::string& name);
    void UpdatePrevNext();
    // Shows name on this bar through the manager with its entries and
    // sequence flag.
    void ShowTaskOf(const std::string& name, CLdLoadable& entry);
    bool CurrentIs(const char* name) const;

    CLdBarView& view_;
    CLdBarManager& manager_;
    CLdBarHost& host_;

    // The last SetButtons arguments.
    int cancelFlag_ = 0, okFlag_ = 0, homeFlag_ = 0, navFlag_ = 0;
    bool vertical_ = false;
    QRect stageBox_;
    QPoint scrollOrigin_;
    std::unique_ptr<CLdLoadable> current_;
    std::vector<std::unique_ptr<CLdLoadable>> loadables_;
    int32_t selectedIndex_ = -1;
    // Names opened on this bar, innermost last, and the next step of each.
    std::vector<std::string> nameStack_;
    std::vector<int32_t> stepStack_;
    std::optional<QRect> panel_;
    std::string pendingTask_;
    CSelectParams savedSelectParams_;
    QnRgn savedSelection_;
};
