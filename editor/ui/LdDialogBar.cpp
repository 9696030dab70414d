#include "editor/ui/LdDialogBar.h"

#include "editor/loadable/LdLoadable.h"
#include "editor/loadable/LdTool.h"
#include "editor/ui/BarButton.h"
#include "editor/ui/ColorButton.h"
#include "editor/ui/LdBarHost.h"
#include "editor/ui/LdBarIds.h"
#include "editor/ui/ProgramEnvironment.h"
#include "editor/ui/SysColor.h"
#include "editor/helpdlg/SystemFont.h"
#include "editor/ui/TexturedBackground.h"
#include "editor/ui/UiStrings.h"
#include "framework/App.h"
#include "framework/Clipboard.h"
#include "framework/CmdUI.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

FW_IMPLEMENT_DYNAMIC(CLdDialogBar, fw::DialogBar)

namespace {

// The notification that carries a tool tip holds 79 characters.
constexpr qsizetype kToolTipLength = 79;

}  // namespace

CLdDialogBar::CLdDialogBar(CLdBarManager& manager, CLdBarHost& host, QWidget* parent)
    : fw::DialogBar(parent), host_(host), logic_(*this, manager, host)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CLdDialogBar::~CLdDialogBar()
{
    // The panel may point at the current tool, which the logic deletes.
    delete panel_;
}

const fw::MessageMap* CLdDialogBar::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(fw::DialogBar::GetMessageMap())
            .OnCommand(IDC_BAR_HOME, &CLdDialogBar::OnHome)
            .OnCommand(IDC_BAR_CANCEL, &CLdDialogBar::OnCancel)
            .OnCommand(IDC_BAR_OK, &CLdDialogBar::OnOk)
            .OnCommand(IDC_BAR_PREVIOUS, &CLdDialogBar::OnPrevious)
            .OnCommand(IDC_BAR_NEXT, &CLdDialogBar::OnNext)
            .OnCommand(IDC_BAR_HELP, &CLdDialogBar::OnHelp)
            .OnCommand(IDC_BAR_UNDO, &CLdDialogBar::OnUndo)
            .OnUpdate(IDC_BAR_UNDO, &CLdDialogBar::OnUpdateUndo)
            .OnCommand(IDC_BAR_REDO, &CLdDialogBar::OnRedo)
            .OnUpdate(IDC_BAR_REDO, &CLdDialogBar::OnUpdateRedo)
            .OnCommand(IDC_BAR_FOREGROUND, &CLdDialogBar::OnForeground)
            .OnCommand(IDC_BAR_BACKGROUND, &CLdDialogBar::OnBackground)
            .OnCommandRange(IDC_BAR_TASK_FIRST, IDC_BAR_TASK_LAST, &CLdDialogBar::OnTaskButton)
            .OnUpdateRange(IDC_BAR_TASK_FIRST, IDC_BAR_TASK_LAST, &CLdDialogBar::OnUpdateTaskButton);
    return &map;
}

void CLdDialogBar::OnUpdateCmdUI(fw::CmdTarget*, bool)
{
    fw::DialogBar::OnUpdateCmdUI(this, false);
}

// --- controls ---

CBarButton* CLdDialogBar::MakeFixedButton(uint32_t id, uint32_t bitmap, uint32_t helpId, const char* caption)
{
    auto* button = new CBarButton(this);
    button->setGeometry(0, 0, 1, 1);
    button->hide();
    if (caption)
        button->setText(QString::fromLatin1(caption));
    button->SetBitmap(bitmap);
    button->setToolTip(QString::fromStdString(LdUiString(int(id))));
    if (helpId)
        fw::SetHelpId(button, helpId);
    AddOwnCommandButton(button, id);
    return button;
}

void CLdDialogBar::CreateControls()
{
    if (home_)
        return;
    cancel_ = MakeFixedButton(IDC_BAR_CANCEL, IDB_BAR_CANCEL, IDH_BAR_CANCEL);
    ok_ = MakeFixedButton(IDC_BAR_OK, IDB_BAR_OK, IDH_BAR_OK);
    previous_ = MakeFixedButton(IDC_BAR_PREVIOUS, IDB_BAR_PREVIOUS, IDH_BAR_PREVIOUS);
    next_ = MakeFixedButton(IDC_BAR_NEXT, IDB_BAR_NEXT, IDH_BAR_NEXT);
    help_ = MakeFixedButton(IDC_BAR_HELP, IDB_BAR_HELP, IDH_BAR_HELP);
    undo_ = MakeFixedButton(IDC_BAR_UNDO, IDB_BAR_UNDO, IDH_BAR_UNDO);
    redo_ = MakeFixedButton(IDC_BAR_REDO, IDB_BAR_REDO, IDH_BAR_REDO);

    comment_ = new QLabel(QStringLiteral("Comments"), this);
    comment_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    comment_->setAlignment(Qt::AlignCenter);
    comment_->setWordWrap(true);
    comment_->setFont(LdMakeFont(LdPointFont(80, "MS Sans Serif")));
    comment_->setGeometry(0, 0, 1, 1);
    comment_->hide();
    fw::SetControlId(comment_, IDC_BAR_COMMENT);
    fw::SetHelpId(comment_, IDH_BAR_COMMENT);

    auto makeColour = [this](uint32_t id, uint32_t helpId, fw::ColorRef colour) {
        auto* button = new CColorButton(this);
        button->colour = colour;
        button->setGeometry(0, 0, 1, 1);
        button->hide();
        button->setToolTip(QString::fromStdString(LdUiString(int(id))));
        fw::SetHelpId(button, helpId);
        AddOwnCommandButton(button, id);
        return button;
    };
    foreground_ = makeColour(IDC_BAR_FOREGROUND, IDH_BAR_FOREGROUND, host_.Foreground());
    background_ = makeColour(IDC_BAR_BACKGROUND, IDH_BAR_BACKGROUND, host_.Background());
    // Home last: its existence tells that the controls are made.
    home_ = MakeFixedButton(IDC_BAR_HOME, IDB_BAR_HOME, 0, "H");
}

QWidget* CLdDialogBar::Control(uint32_t id) const
{
    switch (id) {
    case IDC_BAR_HOME: return home_;
    case IDC_BAR_CANCEL: return cancel_;
    case IDC_BAR_OK: return ok_;
    case IDC_BAR_PREVIOUS: return previous_;
    case IDC_BAR_NEXT: return next_;
    case IDC_BAR_HELP: return help_;
    case IDC_BAR_UNDO: return undo_;
    case IDC_BAR_REDO: return redo_;
    case IDC_BAR_FOREGROUND: return foreground_;
    case IDC_BAR_BACKGROUND: return background_;
    case IDC_BAR_COMMENT: return comment_;
    default: return TaskButton(id);
    }
}

bool CLdDialogBar::HasWindow() const
{
    return isVisible();
}

void CLdDialogBar::ShowControl(uint32_t id, bool show)
{
    if (QWidget* control = Control(id))
        control->setVisible(show);
}

bool CLdDialogBar::IsControlShown(uint32_t id) const
{
    const QWidget* control = Control(id);
    return control && !control->isHidden();
}

void CLdDialogBar::MoveControl(uint32_t id, const QRect& r)
{
    if (QWidget* control = Control(id))
        control->setGeometry(r);
}

QRect CLdDialogBar::ControlRect(uint32_t id) const
{
    const QWidget* control = Control(id);
    return control ? control->geometry() : QRect();
}

void CLdDialogBar::RepaintControl(uint32_t id)
{
    if (QWidget* control = Control(id))
        control->update();
}

// --- task buttons and the panel ---

CBarButton* CLdDialogBar::TaskButton(uint32_t id) const
{
    for (CBarButton* button : taskButtons_)
        if (fw::ControlId(button) == id)
            return button;
    return nullptr;
}

void CLdDialogBar::AddTaskButton(const CLdLoadable& entry, uint32_t id, const QRect& r)
{
    auto* button = new CBarButton(this);
    button->setGeometry(r);
    button->setText(QString::fromStdString(entry.GetTitle()));
    button->layout.centreVertically = false;
    button->backgroundOrigin = logic_.ScrollOrigin();
    if (const auto picture = fw::Clipboard::DibToImage(entry.LoadButtonBitmap()))
        button->SetBitmap(*picture);
    button->setToolTip(QString::fromStdString(entry.GetToolTip()).left(kToolTipLength));
    // The help id is the entry's own answer; GetHelpId is not const.
    fw::SetHelpId(button, uint32_t(const_cast<CLdLoadable&>(entry).GetHelpId()));
    AddOwnCommandButton(button, id);
    button->show();
    taskButtons_.push_back(button);
}

void CLdDialogBar::EnableTaskButton(uint32_t id, bool enable)
{
    if (CBarButton* button = TaskButton(id))
        button->setEnabled(enable);
}

void CLdDialogBar::DeleteTaskButtons()
{
    // A button may be the one whose click is being handled: it goes when
    // the event loop comes back, without an id, so nothing routes to it.
    for (CBarButton* button : taskButtons_) {
        button->hide();
        fw::SetControlId(button, 0);
        button->deleteLater();
    }
    taskButtons_.clear();
}

std::optional<QRect> CLdDialogBar::CreateOptionsPanel(CLdTool& tool, const QPoint& at, bool vertical, int flag)
{
    QPoint place = at;
    QWidget* panel = nullptr;
    fw::GuardedCall([&] { panel = tool.CreateOptionsPanel(this, &place, vertical ? 1 : 0, flag); });
    if (!panel)
        return std::nullopt;
    panel_ = panel;
    return panel->geometry();
}

void CLdDialogBar::DestroyOptionsPanel()
{
    if (panel_) {
        panel_->hide();
        panel_->deleteLater();
    }
    panel_ = nullptr;
}

void CLdDialogBar::ShowComment(CLdLoadable* entry)
{
    if (!comment_)
        return;
    if (entry)
        entry->ShowComment(comment_);
    else
        comment_->clear();
}

// --- sliding ---

void CLdDialogBar::MoveContents(const QPoint& delta, const QPoint& origin)
{
    for (CBarButton* button : {cancel_, ok_}) {
        if (!button)
            continue;
        button->move(button->pos() + delta);
        button->backgroundOrigin += delta;
        button->repaint();
    }
    if (home_) {
        home_->move(home_->pos() + delta);
        home_->backgroundOrigin = origin;
        home_->repaint();
    }
    for (CBarButton* button : taskButtons_) {
        button->move(button->pos() + delta);
        button->backgroundOrigin = origin;
        button->repaint();
    }
    if (panel_) {
        panel_->move(panel_->pos() + delta);
        panel_->repaint();
    }
    repaint();
}

void CLdDialogBar::EndSlide(bool repaintPanel)
{
    if (repaintPanel && panel_)
        panel_->update();
    for (CBarButton* button : {ok_, home_, cancel_})
        if (button)
            button->ClearHot();
}

void CLdDialogBar::RepaintStage()
{
    update(logic_.StageBox().adjusted(-2, -2, 2, 2));
}

void CLdDialogBar::MessageBox(const std::string& text)
{
    fw::MessageBox(text);
}

void CLdDialogBar::PlayWave(uint32_t id)
{
    fw::GuardedCall([&] { LdPlayProgramWave(id); });
}

// --- events ---

void CLdDialogBar::resizeEvent(QResizeEvent* event)
{
    fw::DialogBar::resizeEvent(event);
    fw::GuardedCall([&] { logic_.OnSize(width(), height()); });
}

void CLdDialogBar::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    PaintTexturedBackground(this, painter, event->rect(), QPoint(0, 0));
    const int32_t selected = logic_.SelectedIndex();
    const CBarButton* button = selected >= 0 ? TaskButton(IDC_BAR_TASK_FIRST + uint32_t(selected)) : nullptr;
    if (!logic_.Vertical() || !button)
        return;
    const int32_t s = std::min(width(), height()) - 4;
    button->DrawImage(painter, rect().translated(0, s / 4));
    LdDrawEdge(painter, logic_.StageBox(), LD_BDR_RAISEDOUTER | LD_BDR_SUNKENINNER);
}

// --- commands ---

void CLdDialogBar::OnForeground()
{
    if (foreground_)
        logic_.OnForeground(foreground_->colour);
}

void CLdDialogBar::OnBackground()
{
    if (background_)
        logic_.OnBackground(background_->colour);
}

void CLdDialogBar::OnUpdateTaskButton(fw::CmdUI& ui)
{
    if (const std::optional<bool> enabled = logic_.OnUpdateTaskButton(ui.GetID()))
        ui.Enable(*enabled);
}

void CLdDialogBar::OnUpdateUndo(fw::CmdUI& ui)
{
    ui.Enable(logic_.UndoEnabled());
}

void CLdDialogBar::OnUpdateRedo(fw::CmdUI& ui)
{
    ui.Enable(logic_.RedoEnabled());
}

int CLdDialogBar::HelpUnderCursor()
{
    const QPoint at = QCursor::pos();
    QWidget* under = QApplication::widgetAt(at);
    if (!under)
        return 0;
    const fw::App* app = fw::App::Get();
    const std::string helpFile = app ? app->GetHelpFile() : std::string();
    auto popup = [&](const QWidget* w) {
        fw::HelpProvider::Instance().Show(helpFile, fw::HelpId(w), fw::HELP_CONTEXTPOPUP);
        return 1;
    };
    if (under == this)
        return popup(this);
    const QWidget* child = under->childAt(under->mapFromGlobal(at));
    if (child && child != under && child->isVisible())
        return popup(child);
    if (isAncestorOf(under))
        return popup(under);
    return 0;
}
