#include "framework/FrameWnd.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QUrl>
#include <algorithm>

#include "framework/App.h"
#include "framework/ChildrenOf.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/ControlBar.h"
#include "framework/ControlId.h"
#include "framework/Document.h"
#include "framework/EventGuard.h"
#include "framework/MiniFrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/View.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(FrameWnd, "CFrameWnd", CmdTarget, RuntimeClass::kNoSchema, nullptr)

namespace {
constexpr const char* kWatched = "fwWatchedMenu";
}

FrameWnd::FrameWnd(QWidget* parent, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    setAcceptDrops(true);
}

FrameWnd::~FrameWnd()
{
    // Views leave their documents before the widgets go.
    activeView_ = nullptr;
    for (View* view : ChildrenOf<View>(this))
        if (Document* doc = view->GetDocument())
            doc->RemoveView(view);
    if (App* app = App::Get(); app && app->GetMainWnd() == this)
        app->SetMainWnd(nullptr);
}

View* FrameWnd::CreateView(const CreateContext& context)
{
    if (!context.viewClass)
        return nullptr;
    Object* object = context.viewClass->CreateObject();
    auto* view = dynamic_cast<View*>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    if (context.document)
        context.document->AddView(view);
    return view;
}

bool FrameWnd::OnCreateClient(const CreateContext& context)
{
    View* view = CreateView(context);
    if (!view)
        return false;
    setCentralWidget(view);
    return true;
}

void FrameWnd::SetActiveView(View* view, bool notify)
{
    View* old = activeView_;
    if (old == view)
        return;
    activeView_ = view;
    if (notify) {
        if (old)
            old->OnActivateView(false, view, old);
        if (view)
            view->OnActivateView(true, view, old);
    }
}

void FrameWnd::ViewDestroyed(View* view)
{
    if (activeView_ == view)
        activeView_ = nullptr;
}

Document* FrameWnd::GetActiveDocument() const
{
    View* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

void FrameWnd::InitialUpdateFrame(Document* document, bool makeVisible)
{
    const auto views = ChildrenOf<View>(this);
    if (!activeView_ && !views.empty())
        SetActiveView(views.front(), false);
    for (View* view : views)
        view->OnInitialUpdate();
    if (makeVisible) {
        ActivateFrame();
        if (activeView_)
            activeView_->OnActivateView(true, activeView_, activeView_);
    }
    (void)document;
    OnUpdateFrameTitle(true);
}

void FrameWnd::ActivateFrame(bool show)
{
    if (!show) {
        hide();
        return;
    }
    this->show();
    raise();
    activateWindow();
}

bool FrameWnd::SendCommand(uint32_t id)
{
    return OnCmdMsg(id, CmdCode::Command, nullptr);
}

void FrameWnd::PostCommand(uint32_t id)
{
    QMetaObject::invokeMethod(
        this, [this, id] { GuardedCall([&] { SendCommand(id); }); }, Qt::QueuedConnection);
}

bool FrameWnd::OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui)
{
    if (activeView_ && activeView_->OnCmdMsg(id, code, ui))
        return true;
    if (CmdTarget::OnCmdMsg(id, code, ui))
        return true;
    if (RoutesToApp())
        if (App* app = App::Get())
            return app->OnCmdMsg(id, code, ui);
    return false;
}

const MessageMap* FrameWnd::GetMessageMap() const
{
    static const MessageMap map =
        MessageMap(CmdTarget::GetMessageMap())
            .OnCommandEx(ID_CONTROLBAR_FIRST, ID_CONTROLBAR_LAST, &FrameWnd::OnBarCheck)
            .OnUpdateRange(ID_CONTROLBAR_FIRST, ID_CONTROLBAR_LAST, &FrameWnd::OnUpdateControlBarMenu);
    return &map;
}

QAction* FrameWnd::AddCommand(QMenu* menu, uint32_t id, const QString& text, const QKeySequence& shortcut)
{
    auto* action = menu->addAction(text);
    SetControlId(action, id);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, id] { GuardedCall([&] { SendCommand(id); }); });
    connect(action, &QAction::hovered, this, [this, id] { GuardedCall([&] { OnMenuSelect(id); }); });
    WatchMenu(menu);
    return action;
}

void FrameWnd::WatchMenu(QMenu* menu)
{
    if (menu->property(kWatched).toBool())
        return;
    menu->setProperty(kWatched, true);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { GuardedCall([&] { UpdateMenu(menu); }); });
    connect(menu, &QMenu::aboutToHide, this, [this] { GuardedCall([&] { OnMenuSelect(0); }); });
}

void FrameWnd::UpdateMenu(QMenu* menu)
{
    UpdateActionsOf(menu->actions(), menu);
}

void FrameWnd::UpdateActionsOf(const QList<QAction*>& actions, QMenu* menu)
{
    // An update handler may rebuild the menu (recent files), so walk a copy
    // and skip actions that went away.
    const QList<QPointer<QAction>> list(actions.begin(), actions.end());
    for (const QPointer<QAction>& action : list) {
        if (!action)
            continue;
        if (QMenu* sub = action->menu()) {
            UpdateActionsOf(sub->actions(), sub);
            continue;
        }
        if (action->isSeparator())
            continue;
        if (const uint32_t id = ControlId(action.data())) {
            ActionCmdUI ui(action, menu);
            ui.DoUpdate(this, autoMenuEnable);
        }
    }
}

void FrameWnd::UpdateCommandUI()
{
    if (QMenuBar* bar = qobject_cast<QMenuBar*>(menuWidget()))
        UpdateActionsOf(bar->actions(), nullptr);
    for (const DockedBar& b : bars_)
        if (auto* controlBar = dynamic_cast<ControlBar*>(b.bar); controlBar && b.holder->isVisible())
            controlBar->OnUpdateCmdUI(this, true);
    if (statusBar_ && statusBar_->isVisible())
        statusBar_->OnUpdateCmdUI(this, false);
}

void FrameWnd::AddControlBar(QWidget* bar, uint32_t id, Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(this);
    dock->setTitleBarWidget(new QWidget(dock));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setAllowedAreas(area);
    dock->setWidget(bar);
    SetControlId(bar, id);
    addDockWidget(area, dock);
    bars_.push_back({bar, dock, id});
}

QWidget* FrameWnd::GetControlBar(uint32_t id) const
{
    for (const DockedBar& b : bars_)
        if (b.id == id)
            return b.bar;
    if (statusBar_ && id == ID_VIEW_STATUS_BAR)
        return static_cast<QWidget*>(statusBar_);
    return nullptr;
}

void FrameWnd::ShowControlBar(QWidget* bar, bool show)
{
    for (const DockedBar& b : bars_)
        if (b.bar == bar)
            b.holder->setVisible(show);
    if (statusBar_ && bar == static_cast<QWidget*>(statusBar_))
        bar->setVisible(show);
}

bool FrameWnd::IsControlBarVisible(const QWidget* bar) const
{
    for (const DockedBar& b : bars_)
        if (b.bar == bar)
            return !b.holder->isHidden();
    return bar && !bar->isHidden();
}

void FrameWnd::SetStatusBar(StatusBar* bar)
{
    statusBar_ = bar;
    setStatusBar(bar);
}

void FrameWnd::SetMessageText(const std::string& text)
{
    if (statusBar_)
        statusBar_->SetPaneText(0, text);
}

std::string FrameWnd::GetMessageString(uint32_t id) const
{
    App* app = App::Get();
    if (id == 0) {
        const std::string ready = app ? app->LoadString(IDS_IDLEMESSAGE) : std::string();
        return ready.empty() ? "Ready" : ready;
    }
    std::string prompt = app ? app->LoadString(static_cast<int>(id)) : std::string();
    if (auto nl = prompt.find('\n'); nl != std::string::npos)
        prompt.resize(nl);
    return prompt;
}

void FrameWnd::OnMenuSelect(uint32_t id)
{
    SetMessageText(GetMessageString(id));
}

void FrameWnd::OnUpdateFrameTitle(bool add)
{
    App* app = App::Get();
    std::string title = app ? app->GetAppTitle() : std::string();
    if (add && addToTitle)
        if (Document* doc = GetActiveDocument(); doc && !doc->GetTitle().empty())
            title = title.empty() ? doc->GetTitle() : title + " - " + doc->GetTitle();
    setWindowTitle(QString::fromStdString(title));
}

void FrameWnd::OnClose()
{
    App* app = App::Get();
    if (app && app->GetMainWnd() == this) {
        if (!app->SaveAllModified())
            return;
        app->CloseAllDocuments(false);
        DestroyWindow();
        return;
    }
    Document* doc = GetActiveDocument();
    if (doc && !doc->CanCloseFrame(this))
        return;
    if (doc && doc->autoDelete) {
        bool only = true;
        for (View* view : doc->GetViews())
            if (view->GetParentFrame() != this)
                only = false;
        if (only) {
            doc->OnCloseDocument();
            return;
        }
    }
    DestroyWindow();
}

void FrameWnd::DestroyWindow()
{
    if (destroying_)
        return;
    destroying_ = true;
    // Owned tool windows go first, while they can still save their state.
    for (MiniFrameWnd* mini : ChildrenOf<MiniFrameWnd>(this))
        mini->DestroyWindow();
    hide();
    activeView_ = nullptr;
    for (View* view : ChildrenOf<View>(this))
        if (Document* doc = view->GetDocument())
            doc->RemoveView(view);
    if (App* app = App::Get(); app && app->GetMainWnd() == this)
        app->OnMainWindowDestroyed(this);
    deleteLater();
}

void FrameWnd::closeEvent(QCloseEvent* event)
{
    // The frame decides for itself whether and how it goes (OnClose).
    event->ignore();
    if (destroying_ || closing_)
        return;
    closing_ = true;
    GuardedCall([&] { OnClose(); });
    closing_ = false;
}

void FrameWnd::OnDropFiles(const std::vector<std::string>& paths)
{
    if (App* app = App::Get())
        for (const std::string& path : paths)
            app->OpenDocumentFile(path);
}

void FrameWnd::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void FrameWnd::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_F1 && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        const uint32_t command = modifiers == Qt::ShiftModifier ? ID_CONTEXT_HELP : ID_HELP;
        bool handled = false;
        GuardedCall([&] { handled = SendCommand(command); });
        // Not handled here (an MDI child): the main frame gets the key.
        if (handled)
            return;
    }
    QMainWindow::keyPressEvent(event);
}

void FrameWnd::dropEvent(QDropEvent* event)
{
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    if (paths.empty())
        return;
    event->acceptProposedAction();
    GuardedCall([&] { OnDropFiles(paths); });
}

bool FrameWnd::OnBarCheck(uint32_t id)
{
    QWidget* bar = GetControlBar(id);
    if (!bar)
        return false;
    ShowControlBar(bar, !IsControlBarVisible(bar));
    return true;
}

void FrameWnd::OnUpdateControlBarMenu(CmdUI& ui)
{
    QWidget* bar = GetControlBar(ui.GetID());
    if (!bar) {
        ui.ContinueRouting();
        return;
    }
    ui.Enable(true);
    ui.SetCheck(IsControlBarVisible(bar) ? 1 : 0);
}

}  // namespace fw
