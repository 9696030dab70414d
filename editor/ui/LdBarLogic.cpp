#include "editor/ui/LdBarLogic.h"

#include "editor/loadable/LdLoadable.h"
#include "editor/loadable/LdTool.h"
#include "editor/ui/LdBarDocument.h"
#include "editor/ui/LdBarGeometry.h"
#include "editor/ui/LdBarHost.h"
#include "editor/ui/LdBarIds.h"
#include "editor/ui/LdBarManager.h"
#include "editor/ui/LdBarSlide.h"
#include "editor/ui/LdBarView.h"
#include "framework/CommandIds.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// A bar lays out this many task buttons before it complains; it still
// makes them all, as far as it has ids for them.
constexpr size_t kPlannedTaskButtons = 10;

bool IsOneOf(const std::string& name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CLdBarLogic::CLdBarLogic(CLdBarView& view, CLdBarManager& manager, CLdBarHost& host)
    : view_(view), manager_(manager), host_(host)
{
}

CLdBarLogic::~CLdBarLogic() = default;

bool CLdBarLogic::CurrentIs(const char* name) const
{
    return current_ && current_->GetName() == name;
}

// --- sizes and places ---

void CLdBarLogic::OnSize(int32_t cx, int32_t cy, bool restored)
{
    vertical_ = cx < cy;
    if (!view_.ControlsCreated() && cx > 0 && cy > 0)
        view_.CreateControls();
    if (!restored || !view_.ControlsCreated())
        return;
    const CLdBarEdgeButtons edge = CLdBarGeometry::EdgeButtons(cx, cy);
    if (vertical_)
        view_.MoveControl(IDC_BAR_HOME, edge.home);
    view_.MoveControl(IDC_BAR_CANCEL, edge.cancel);
    view_.MoveControl(IDC_BAR_OK, edge.ok);
}

void CLdBarLogic::Layout()
{
    const QSize client = view_.ClientSize();
    stageBox_ = CLdBarGeometry::StageBox(client);
    if (!view_.ControlsCreated())
        return;
    if (navFlag_ > 0) {
        const CLdBarNavButtons nav = CLdBarGeometry::NavButtons(client);
        view_.MoveControl(IDC_BAR_UNDO, nav.undo);
        view_.MoveControl(IDC_BAR_REDO, nav.redo);
        view_.MoveControl(IDC_BAR_FOREGROUND, nav.foreground);
        view_.MoveControl(IDC_BAR_BACKGROUND, nav.background);
        view_.MoveControl(IDC_BAR_PREVIOUS, nav.previous);
        view_.MoveControl(IDC_BAR_NEXT, nav.next);
        view_.MoveControl(IDC_BAR_HELP, nav.help);
    } else {
        view_.MoveControl(IDC_BAR_COMMENT, stageBox_);
    }
}

void CLdBarLogic::SetButtons(int cancel, int ok, int home, int nav)
{
    cancelFlag_ = cancel;
    okFlag_ = ok;
    homeFlag_ = home;
    navFlag_ = nav;
    // Painting and cloning end by choosing something else, not by OK.
    if (CurrentIs("Paint") || CurrentIs("Clone")) {
        view_.ShowControl(IDC_BAR_CANCEL, false);
        view_.ShowControl(IDC_BAR_OK, false);
    } else {
        view_.ShowControl(IDC_BAR_CANCEL, cancel > 0);
        view_.ShowControl(IDC_BAR_OK, ok > 0);
    }
    view_.ShowControl(IDC_BAR_HOME, home > 0);
    for (uint32_t id : {IDC_BAR_UNDO, IDC_BAR_REDO, IDC_BAR_FOREGROUND, IDC_BAR_BACKGROUND, IDC_BAR_HELP})
        view_.ShowControl(id, nav > 0);
    view_.ShowControl(IDC_BAR_COMMENT, false);
}

void CLdBarLogic::CreateTaskButtons()
{
    if (loadables_.size() > kPlannedTaskButtons)
        view_.MessageBox("Implement Later!!!");
    // Ids past the last task id are Previous, Next and Help: entries beyond
    // the range get no button rather than another button's command.
    const int32_t count = int32_t(std::min(loadables_.size(), size_t(kBarTaskButtonCount)));
    const std::vector<QRect> rects = CLdBarGeometry::TaskButtons(view_.ClientSize(), vertical_, count, scrollOrigin_);
    for (int32_t i = 0; i < count; ++i)
        view_.AddTaskButton(*loadables_[size_t(i)], IDC_BAR_TASK_FIRST + uint32_t(i), rects[size_t(i)]);
}

// --- what the manager shows ---

void CLdBarLogic::ShowTaskOf(const std::string& name, CLdLoadable& entry)
{
    manager_.ShowTask(this, name, entry.GetToolNames(), entry.IsSequence());
}

void CLdBarLogic::SetTask(const std::string& name)
{
    if (name == "Start")
        selectedIndex_ = 0;
    std::unique_ptr<CLdLoadable> entry = host_.CreateLoadable(name);
    if (!entry)
        return;
    // The picture lives until Execute has returned.
    std::vector<uint8_t> dib;
    if (entry->WantsPicture()) {
        if (CLdBarDocument* document = host_.ActiveDocument()) {
            dib = document->RenderToDib();
            entry->SetPicture(dib.empty() ? nullptr : dib.data(), uint32_t(dib.size()));
        } else {
            entry->SetPicture(nullptr, 0);
            pendingTask_ = entry->GetName();
        }
    }
    if (!entry->Execute())
        return;
    CommitIfEditing();
    SlideAnimate(false);
    ClearBar();
    nameStack_.push_back(name);
    stepStack_.push_back(0);
    ShowTaskOf(name, *entry);
    SlideAnimate(true);
}

void CLdBarLogic::FillTask(const std::string& name, const std::vector<std::string>& entries, int sequence)
{
    if (view_.HasWindow())
        Layout();
    if (sequence) {
        AdvanceSequence();
        return;
    }
    for (const std::string& entryName : entries)
        if (std::unique_ptr<CLdLoadable> entry = host_.CreateLoadable(entryName))
            loadables_.push_back(std::move(entry));
    current_ = host_.CreateLoadable(name);
    view_.ShowComment(current_.get());
    CreateTaskButtons();
}

void CLdBarLogic::AdvanceSequence()
{
    if (nameStack_.empty())
        return;
    const std::unique_ptr<CLdLoadable> task = host_.CreateLoadable(nameStack_.back());
    const std::vector<std::string> steps = task ? task->GetToolNames() : std::vector<std::string>();
    // A step whose class is not registered is passed over: showing it would
    // leave the bar empty with no way on.
    int32_t i = stepStack_.back();
    stepStack_.back() = i + 1;
    for (; i < int32_t(steps.size()); ++i) {
        stepStack_.back() = i + 1;
        const std::string& stepName = steps[size_t(i)];
        if (std::unique_ptr<CLdLoadable> step = host_.CreateLoadable(stepName)) {
            nameStack_.push_back(stepName);
            stepStack_.push_back(0);
            ShowTaskOf(stepName, *step);
            return;
        }
    }
    GoBack();
}

void CLdBarLogic::GoBack()
{
    ClearBar();
    if (nameStack_.size() < 2) {
        nameStack_.clear();
        stepStack_.clear();
        host_.ResetToStart(this);
        view_.ShowComment(nullptr);
        SetButtons(cancelFlag_, okFlag_, homeFlag_, navFlag_);
        return;
    }
    nameStack_.pop_back();
    stepStack_.pop_back();
    const std::string name = nameStack_.back();
    if (std::unique_ptr<CLdLoadable> entry = host_.CreateLoadable(name))
        ShowTaskOf(name, *entry);
}

void CLdBarLogic::ShowTool(const std::string& name, int flag)
{
    Layout();
    if (panel_) {
        view_.DestroyOptionsPanel();
        panel_.reset();
    }
    current_ = host_.CreateLoadable(name);
    SnapshotToolState();
    ActivateToolMode(name);
    const QPoint at = CLdBarGeometry::PanelPosition(view_.ClientSize(), vertical_, scrollOrigin_);
    if (auto* tool = dynamic_cast<CLdTool*>(current_.get()))
        panel_ = view_.CreateOptionsPanel(*tool, at, vertical_, flag);
    view_.ShowComment(current_.get());
    if (panel_) {
        const int32_t right = panel_->x() + panel_->width();
        for (uint32_t id : {IDC_BAR_OK, IDC_BAR_CANCEL}) {
            QRect r = view_.ControlRect(id);
            r.moveLeft(right);
            view_.MoveControl(id, r);
        }
    }
    if (IsOneOf(name, {"Paint", "Fill", "Clone"}))
        view_.ShowControl(IDC_BAR_CANCEL, false);
}

void CLdBarLogic::ActivateToolMode(const std::string& name)
{
    CLdLoadable* tool = current_.get();
    auto setParams = [tool](fw::Object* params) {
        if (tool)
            tool->SetParams(params);
    };
    if (name == "Text") {
        host_.SetMode(LD_MODE_TEXT);
        host_.SetTextColour(host_.Foreground());
        setParams(host_.TextParams());
    } else if (name == "Paint") {
        host_.SetMode(LD_MODE_PAINT);
        host_.SetBrushColour(host_.Foreground());
        setParams(host_.BrushParams());
    } else if (name == "Fill") {
        host_.SetMode(LD_MODE_FILL);
        host_.SetFillColours(host_.Foreground(), host_.Background());
        setParams(host_.FillParams());
    } else if (name == "Clone") {
        host_.SetMode(LD_MODE_CLONE);
        host_.SetBrushColour(host_.Foreground());
        setParams(host_.BrushParams());
    } else if (name == "Select") {
        // The selector edits the document's selection; the document keeps
        // none of its own until OK hands the result back.
        if (CLdBarDocument* document = host_.ActiveDocument()) {
            host_.AttachSelector(document->GetSelection());
            document->SetSelection(QnRgn());
        }
        host_.SetMode(LD_MODE_SELECT);
        setParams(&host_.SelectParams());
    }
}

void CLdBarLogic::ClearBar()
{
    view_.DeleteTaskButtons();
    loadables_.clear();
    // The panel may still point at the tool's parameters: it goes first.
    if (panel_) {
        view_.DestroyOptionsPanel();
        panel_.reset();
    }
    current_.reset();
    savedSelection_ = QnRgn();
    host_.SetMode(LD_MODE_NONE);
}

void CLdBarLogic::SelectByName(const std::string& name)
{
    for (size_t i = 0; i < loadables_.size(); ++i)
        if (loadables_[i]->GetName() == name) {
            selectedIndex_ = int32_t(i);
            view_.RepaintStage();
            return;
        }
}

int CLdBarLogic::CloseToolPanel()
{
    if (!panel_)
        return 0;
    CommitIfEditing();
    SlideAnimate(false);
    GoBack();
    SlideAnimate(true);
    return 1;
}

// --- tool state ---

void CLdBarLogic::SnapshotToolState()
{
    // Only the selection settings are ever put back (Cancel); the text and
    // brush settings a tool changed stay changed.
    savedSelectParams_ = host_.SelectParams();
    if (CLdBarDocument* document = host_.ActiveDocument())
        savedSelection_ = document->GetSelection();
}

void CLdBarLogic::RestoreToolState()
{
    host_.SelectParams() = savedSelectParams_;
    if (CLdBarDocument* document = host_.ActiveDocument()) {
        document->SetSelection(savedSelection_);
        host_.SetSelectorSelection(savedSelection_);
    }
}

void CLdBarLogic::CommitTool()
{
    CLdBarDocument* document = host_.ActiveDocument();
    if (!document)
        return;
    if (CurrentIs("Text"))
        host_.CommitText(*document);
    else if (CurrentIs("Select"))
        document->SetSelection(host_.SelectorSelection());
}

void CLdBarLogic::CommitIfEditing()
{
    if (CurrentIs("Text") || CurrentIs("Select"))
        CommitTool();
}

// --- sliding ---

void CLdBarLogic::SlideAnimate(bool in)
{
    if (!view_.HasWindow() || !host_.AnimationOn())
        return;
    view_.PlayWave(IDW_BAR_SLIDE);
    CLdBarSlide::Run(CLdBarSlide::Steps(view_.ClientSize(), vertical_, in),
                     [this](const QPoint& delta) { MoveContents(delta); });
    view_.EndSlide(!vertical_);
}

void CLdBarLogic::MoveContents(const QPoint& delta)
{
    scrollOrigin_ += delta;
    view_.MoveContents(delta, scrollOrigin_);
}

// --- buttons ---

void CLdBarLogic::OnHome()
{
    SlideAnimate(false);
    ClearBar();
    nameStack_.clear();
    stepStack_.clear();
    host_.ResetToStart(this);
    SlideAnimate(true);
}

void CLdBarLogic::OnCancel()
{
    RestoreToolState();
    if (CLdBarDocument* document = host_.ActiveDocument())
        document->UpdateAllViews();
    SlideAnimate(false);
    GoBack();
    SlideAnimate(true);
}

void CLdBarLogic::OnOk()
{
    CommitTool();
    SlideAnimate(false);
    GoBack();
    SlideAnimate(true);
}

void CLdBarLogic::OnPrevious()
{
    if (selectedIndex_ > 0)
        OnTaskButton(IDC_BAR_TASK_FIRST + uint32_t(selectedIndex_) - 1);
    UpdatePrevNext();
}

void CLdBarLogic::OnNext()
{
    if (selectedIndex_ >= 0 && size_t(selectedIndex_) + 1 < loadables_.size())
        OnTaskButton(IDC_BAR_TASK_FIRST + uint32_t(selectedIndex_) + 1);
    UpdatePrevNext();
}

void CLdBarLogic::OnHelp()
{
    host_.SendCommand(fw::ID_CONTEXT_HELP);
}

void CLdBarLogic::OnUndo()
{
    host_.SendCommand(fw::ID_EDIT_UNDO);
    view_.RepaintControl(IDC_BAR_UNDO);
}

void CLdBarLogic::OnRedo()
{
    host_.SendCommand(fw::ID_EDIT_REDO);
    view_.RepaintControl(IDC_BAR_REDO);
}

void CLdBarLogic::OnForeground(fw::ColorRef colour)
{
    host_.SetForeground(colour);
    host_.InvalidateActiveView();
}

void CLdBarLogic::OnBackground(fw::ColorRef colour)
{
    host_.SetBackground(colour);
}

void CLdBarLogic::OnTaskButton(uint32_t id)
{
    const int32_t index = int32_t(id) - int32_t(IDC_BAR_TASK_FIRST);
    if (index < 0 || size_t(index) >= loadables_.size())
        return;
    selectedIndex_ = index;
    // A copy: switching clears the bar and its entries with it.
    const std::string name = loadables_[size_t(index)]->GetName();
    manager_.SwitchTask(this, name);
    view_.RepaintStage();
}

bool CLdBarLogic::UndoEnabled() const
{
    const CLdBarDocument* document = host_.ActiveDocument();
    return document && !document->UndoListEmpty();
}

bool CLdBarLogic::RedoEnabled() const
{
    const CLdBarDocument* document = host_.ActiveDocument();
    return document && !document->RedoListEmpty();
}

std::optional<bool> CLdBarLogic::OnUpdateTaskButton(uint32_t id)
{
    CLdBarDocument* document = host_.ActiveDocument();
    if (!pendingTask_.empty() && document) {
        const std::string name = pendingTask_;
        pendingTask_.clear();
        manager_.SwitchTask(this, name);
        return std::nullopt;
    }
    bool enabled = false;
    const int32_t index = int32_t(id) - int32_t(IDC_BAR_TASK_FIRST);
    if (index >= 0 && size_t(index) < loadables_.size()) {
        CLdLoadable& entry = *loadables_[size_t(index)];
        const std::string name = entry.GetName();
        if (IsOneOf(name, {"Copier", "Scan"}))
            enabled = !host_.AcquireUnavailable();
        else if (IsOneOf(name, {"Wallpaper", "ScreenSave", "Calendar", "Fax", "FunHouse"}))
            enabled = true;
        else if (document && document->PictureType() != CLdBarDocument::kTrueColour &&
                 document->PictureType() != CLdBarDocument::kGrey)
            enabled = entry.AcceptsAnyPicture() != 0;
        else if (document)
            enabled = true;
        else
            enabled = entry.NeedsDocument() == 0;
    }
    UpdatePrevNext();
    return enabled;
}

void CLdBarLogic::UpdatePrevNext()
{
    // Previous and Next belong to the rows of the navigation buttons; a bar
    // without the rows has them nowhere to show.
    const bool nav = navFlag_ > 0;
    const int32_t last = int32_t(std::min(loadables_.size(), size_t(kBarTaskButtonCount))) - 1;
    view_.ShowControl(IDC_BAR_PREVIOUS, nav && selectedIndex_ != 0 && selectedIndex_ != -1);
    view_.ShowControl(IDC_BAR_NEXT, nav && selectedIndex_ != last && selectedIndex_ != -1);
}
