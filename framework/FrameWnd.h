// A frame window: the main window of a single-document program, the base of
// the MDI main frame and of MDI child frames. It holds the active view, the
// menus whose items carry command ids, the control bars and the status bar,
// keeps menus and bars up to date at idle time, and routes commands: active
// view (then its document and template), the frame itself, the application.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/CmdTarget.h"

class QAction;
class QMenu;

namespace fw {

class Document;
class DocTemplate;
class StatusBar;
class View;

// What a frame needs to make its client area (the view of a document).
struct CreateContext {
    const RuntimeClass* viewClass = nullptr;
    Document* document = nullptr;
    DocTemplate* docTemplate = nullptr;
};

class FrameWnd : public QMainWindow, public CmdTarget {
    FW_DECLARE_DYNAMIC(FrameWnd)

public:
    explicit FrameWnd(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~FrameWnd() override;

    // Creates the client area: by default one view of context.viewClass,
    // joined to the document, as the central widget. False on failure.
    virtual bool OnCreateClient(const CreateContext& context);
    View* CreateView(const CreateContext& context);

    virtual View* GetActiveView() const { return activeView_; }
    void SetActiveView(View* view, bool notify = true);
    virtual Document* GetActiveDocument() const;
    // The frame whose view is active: the active child of an MDI frame, else this.
    virtual FrameWnd* GetActiveFrame() { return this; }
    void InitialUpdateFrame(Document* document, bool makeVisible);
    virtual void ActivateFrame(bool show = true);

    // Commands. SendCommand runs one now through the routing and lets
    // exceptions pass to the caller; PostCommand runs it from the event loop.
    bool SendCommand(uint32_t id);
    void PostCommand(uint32_t id);
    bool OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui) override;
    const MessageMap* GetMessageMap() const override;

    // A menu item for command id: triggering it sends the command to this
    // frame, showing the menu updates it.
    QAction* AddCommand(QMenu* menu, uint32_t id, const QString& text, const QKeySequence& shortcut = {});
    // Makes an existing menu's items with ids update before it shows.
    void WatchMenu(QMenu* menu);
    void UpdateMenu(QMenu* menu);
    // Updates the menu bar, the control bars and the status bar (idle time).
    virtual void UpdateCommandUI();
    // Menu items without an update handler are enabled only when some
    // target handles their command.
    bool autoMenuEnable = true;

    // Control bars: widgets docked at one side, with an id that is also the
    // command showing and hiding them.
    void AddControlBar(QWidget* bar, uint32_t id, Qt::DockWidgetArea area);
    QWidget* GetControlBar(uint32_t id) const;
    void ShowControlBar(QWidget* bar, bool show);
    bool IsControlBarVisible(const QWidget* bar) const;
    void SetStatusBar(StatusBar* bar);
    StatusBar* GetStatusBar() const { return statusBar_; }
    // Pane 0 of the status bar.
    void SetMessageText(const std::string& text);
    // The prompt of command id for the status bar (the program's string of
    // that id up to its first line break); "Ready" for 0.
    virtual std::string GetMessageString(uint32_t id) const;
    // A menu item with id is under the pointer (0: menus closed).
    virtual void OnMenuSelect(uint32_t id);

    // The window title: the application title, with the active document's
    // title added when addToTitle is set.
    virtual void OnUpdateFrameTitle(bool addToTitle);
    bool addToTitle = true;

    // Closing: the frame asks its documents (or for the main window, the
    // application) whether it may close, then destroys itself.
    virtual void OnClose();
    // Hides the frame, detaches its views from their documents and deletes
    // it from the event loop.
    virtual void DestroyWindow();
    bool IsDestroying() const { return destroying_; }

    // Dropped files: by default each is opened by the application.
    virtual void OnDropFiles(const std::vector<std::string>& paths);

    // The active view is going away.
    void ViewDestroyed(View* view);

    // Commands of every frame: showing and hiding control bars.
    bool OnBarCheck(uint32_t id);
    void OnUpdateControlBarMenu(CmdUI& ui);

protected:
    // Whether the frame routes commands to the application after itself
    // (MDI child frames leave that to the main frame).
    virtual bool RoutesToApp() const { return true; }
    View* ActiveViewOfFrame() const { return activeView_; }
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // F1: the help command; Shift+F1: the context-help command; for the
    // frame and all it holds.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateActionsOf(const QList<QAction*>& actions, QMenu* menu);

    View* activeView_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    struct DockedBar {
        QWidget* bar;
        QWidget* holder;
        uint32_t id;
    };
    std::vector<DockedBar> bars_;
    bool destroying_ = false;
    bool closing_ = false;
};

}  // namespace fw
