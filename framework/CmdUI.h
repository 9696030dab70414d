// The state of one command's user-interface item (menu item, bar button,
// status pane) as update handlers see it: enable, check, radio and text.
// DoUpdate routes the update through a target; an item whose command nobody
// updates can be enabled exactly when somebody handles the command.
#pragma once

#include <cstdint>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace fw {

class CmdTarget;

class CmdUI {
public:
    explicit CmdUI(uint32_t id = 0) : id_(id) {}
    virtual ~CmdUI() = default;

    uint32_t GetID() const { return id_; }
    // The menu holding the item, for handlers that rebuild part of a menu
    // (the recent-file list); null for other items.
    virtual QMenu* GetMenu() const { return nullptr; }
    virtual QAction* GetAction() const { return nullptr; }

    virtual void Enable(bool on = true);
    // 0 unchecked, 1 checked, 2 indeterminate.
    virtual void SetCheck(int state = 1);
    virtual void SetRadio(bool on = true) { SetCheck(on ? 1 : 0); }
    virtual void SetText(const std::string& text);
    // Lets the update pass on to the next target after this handler.
    void ContinueRouting() { continueRouting_ = true; }

    // Offers the update to target; returns true when a handler updated the item.
    bool DoUpdate(CmdTarget* target, bool disableIfNoHandler);

    // What the handlers set, for items that only record (tests, probes).
    bool enabled() const { return enabled_; }
    int checked() const { return checked_; }
    const std::string& text() const { return text_; }

private:
    friend class MessageMap;
    uint32_t id_;
    bool continueRouting_ = false;
    bool enableChanged_ = false;
    bool enabled_ = true;
    int checked_ = 0;
    std::string text_;
};

// A menu item or tool action.
class ActionCmdUI : public CmdUI {
public:
    ActionCmdUI(QAction* action, QMenu* menu);
    QMenu* GetMenu() const override { return menu_; }
    QAction* GetAction() const override { return action_; }
    void Enable(bool on) override;
    void SetCheck(int state) override;
    void SetText(const std::string& text) override;

private:
    QAction* action_;
    QMenu* menu_;
};

// A control with an id (bar and dialog buttons): enable, check for check
// boxes and radio buttons, text for buttons and labels.
class WidgetCmdUI : public CmdUI {
public:
    WidgetCmdUI(QWidget* widget, uint32_t id);
    void Enable(bool on) override;
    void SetCheck(int state) override;
    void SetText(const std::string& text) override;

private:
    QWidget* widget_;
};

}  // namespace fw
