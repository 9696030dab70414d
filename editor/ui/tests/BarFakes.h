// Stand-ins for what the dialog bars ask of the program: an interface
// manager that routes as the main frame's does, an application over the
// registry with the test module, a picture document, and a bar view that
// records what the logic asks of its widget.
#pragma once

#include "editor/loadable/LdLoadable.h"
#include "editor/loadable/LdTool.h"
#include "editor/loadable/SelectParams.h"
#include "editor/loadable/ToolParams.h"
#include "editor/registry/LdRegistry.h"
#include "editor/ui/LdBarDocument.h"
#include "editor/ui/LdBarHost.h"
#include "editor/ui/LdBarIds.h"
#include "editor/ui/LdBarLogic.h"
#include "editor/ui/LdBarManager.h"
#include "editor/ui/LdBarRouter.h"
#include "editor/ui/LdBarView.h"
#include "framework/Object.h"

#include <QWidget>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Routes as the main frame's interface manager does, and records every
// switch of the task.
class FakeManager : public CLdBarRouter {
public:
    explicit FakeManager(const CLdRegistry& registry)
        : CLdBarRouter([&registry](const std::string& name) { return registry.IsToolName(name); })
    {
    }

    void SwitchTask(CLdBarLogic* from, const std::string& name) override
    {
        if (!(name == CurrentTask() && IsStage(name)))
            switches.push_back(name);
        CLdBarRouter::SwitchTask(from, name);
    }

    std::vector<std::string> switches;
};

class FakeDocument : public CLdBarDocument {
public:
    bool UndoListEmpty() const override { return undoEmpty; }
    bool RedoListEmpty() const override { return redoEmpty; }
    int32_t PictureType() const override { return pictureType; }
    std::vector<uint8_t> RenderToDib() override { return std::vector<uint8_t>(dibSize, 0x5A); }
    QnRgn GetSelection() const override { return selection; }
    void SetSelection(const QnRgn& region) override { selection = region; }
    void UpdateAllViews() override { ++viewUpdates; }

    bool undoEmpty = true;
    bool redoEmpty = true;
    int32_t pictureType = kTrueColour;
    size_t dibSize = 54 + 12;
    QnRgn selection;
    int viewUpdates = 0;
    std::vector<std::string> texts;
};

class FakeHost : public CLdBarHost {
public:
    FakeHost(const CLdRegistry& registry, CLdBarManager& manager) : registry_(registry), manager_(manager) {}

    std::unique_ptr<CLdLoadable> CreateLoadable(const std::string& name) override
    {
        return registry_.CreateLoadable(name);
    }
    void ResetToStart(CLdBarLogic* bar) override
    {
        manager_.ShowTask(bar, "", registry_.TaskNames(), 0);
        manager_.SwitchTask(bar, "Start");
    }
    void SetMode(int m) override { mode = m; }
    bool AnimationOn() override { return animation; }
    fw::ColorRef Foreground() override { return foreground; }
    fw::ColorRef Background() override { return background; }
    void SetForeground(fw::ColorRef c) override { foreground = textColour = brushColour = fillFore = c; }
    void SetBackground(fw::ColorRef c) override { background = fillBack = c; }
    fw::Object* TextParams() override { return &textParams; }
    fw::Object* BrushParams() override { return &brushParams; }
    fw::Object* FillParams() override { return &fillParams; }
    CSelectParams& SelectParams() override { return selectParams; }
    void SetTextColour(fw::ColorRef c) override { textColour = c; }
    void SetBrushColour(fw::ColorRef c) override { brushColour = c; }
    void SetFillColours(fw::ColorRef f, fw::ColorRef b) override
    {
        fillFore = f;
        fillBack = b;
    }
    CLdBarDocument* ActiveDocument() override { return document; }
    void InvalidateActiveView() override { ++viewInvalidations; }
    void CommitText(CLdBarDocument&) override { ++textCommits; }
    void AttachSelector(const QnRgn& selection) override { selector = selection; }
    QnRgn SelectorSelection() override { return selector; }
    void SetSelectorSelection(const QnRgn& selection) override { selector = selection; }
    bool AcquireUnavailable() override { return !scanner; }
    void SendCommand(uint32_t id) override { commands.push_back(id); }

    int mode = 0;
    bool animation = false;
    bool scanner = true;
    fw::ColorRef foreground = 0xFFFFFF, background = 0;
    fw::ColorRef textColour = 1, brushColour = 1, fillFore = 1, fillBack = 1;
    CTextParams textParams;
    CBrushParams brushParams;
    CFillParams fillParams;
    CSelectParams selectParams;
    FakeDocument* document = nullptr;
    QnRgn selector;
    int viewInvalidations = 0;
    int textCommits = 0;
    std::vector<uint32_t> commands;

private:
    const CLdRegistry& registry_;
    CLdBarManager& manager_;
};

// Records what the logic does to its widget. Option panels are the tools'
// own, made on a widget never shown.
class FakeView : public CLdBarView {
public:
    explicit FakeView(QSize client) : client_(client) {}

    struct TaskButton {
        std::string title;
        QRect rect;
    };

    bool HasWindow() const override { return true; }
    QSize ClientSize() const override { return client_; }
    bool ControlsCreated() const override { return created_; }
    void CreateControls() override { created_ = true; }
    void ShowControl(uint32_t id, bool show) override { shown_[id] = show; }
    bool IsControlShown(uint32_t id) const override
    {
        const auto it = shown_.find(id);
        return it != shown_.end() && it->second;
    }
    void MoveControl(uint32_t id, const QRect& r) override { rects_[id] = r; }
    QRect ControlRect(uint32_t id) const override
    {
        const auto it = rects_.find(id);
        return it == rects_.end() ? QRect(0, 0, 1, 1) : it->second;
    }
    void RepaintControl(uint32_t) override {}
    void AddTaskButton(const CLdLoadable& entry, uint32_t id, const QRect& r) override
    {
        buttons[id] = {entry.GetTitle(), r};
    }
    void EnableTaskButton(uint32_t, bool) override {}
    void DeleteTaskButtons() override { buttons.clear(); }
    std::optional<QRect> CreateOptionsPanel(CLdTool& tool, const QPoint& at, bool vertical, int flag) override
    {
        QPoint place = at;
        panel.reset(tool.CreateOptionsPanel(&panelParent_, &place, vertical, flag));
        if (!panel)
            return std::nullopt;
        return panel->geometry();
    }
    void DestroyOptionsPanel() override { panel.reset(); }
    void ShowComment(CLdLoadable* entry) override { comment = entry ? entry->GetComment() : std::string(); }
    void MoveContents(const QPoint& delta, const QPoint&) override { moves.push_back(delta); }
    void EndSlide(bool) override { ++slidesEnded; }
    void RepaintStage() override {}
    void MessageBox(const std::string& text) override { messages.push_back(text); }
    void PlayWave(uint32_t id) override { waves.push_back(id); }

    // Titles of the task buttons in id order.
    std::vector<std::string> Titles() const
    {
        std::vector<std::string> titles;
        for (const auto& [id, button] : buttons)
            titles.push_back(button.title);
        return titles;
    }

    std::map<uint32_t, TaskButton> buttons;
    std::unique_ptr<QWidget> panel;
    std::string comment;
    std::vector<QPoint> moves;
    int slidesEnded = 0;
    std::vector<std::string> messages;
    std::vector<uint32_t> waves;

private:
    QSize client_;
    bool created_ = false;
    std::map<uint32_t, bool> shown_;
    std::map<uint32_t, QRect> rects_;
    QWidget panelParent_;
};
