#include "TestApp.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "framework/Archive.h"
#include "framework/File.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"

namespace fwtest {

std::vector<std::string>& Trace()
{
    static std::vector<std::string> trace;
    return trace;
}

namespace {
bool Note(const char* level)
{
    Trace().push_back(level);
    return false;  // decline, so the next level sees it too
}
}  // namespace

FW_IMPLEMENT_DYNCREATE(TextDoc, fw::Document)

void TextDoc::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        ar << std::string("Text v1");
        if (failWhileSaving)
            throw fw::FileException(fw::FileException::diskFull, ar.GetFile()->GetFilePath());
        ar << text;
    } else {
        std::string signature;
        ar >> signature;
        if (signature != "Text v1")
            throw fw::NotSupportedException();
        ar >> text;
    }
}

const fw::MessageMap* TextDoc::GetMessageMap() const
{
    static const fw::MessageMap map = fw::MessageMap(fw::Document::GetMessageMap())
                                          .OnCommandEx(kTrace, kTrace, &TextDoc::OnTrace)
                                          .OnCommand(kDisabled, &TextDoc::OnDisabled)
                                          .OnUpdate(kDisabled, &TextDoc::OnUpdateDisabled)
                                          .OnCommand(kAvailable, &TextDoc::OnAvailable)
                                          .OnUpdate(kAvailable, &TextDoc::OnUpdateAvailable);
    return &map;
}

bool TextDoc::OnTrace(uint32_t) { return Note("document"); }
void TextDoc::OnUpdateDisabled(fw::CmdUI& ui) { ui.Enable(false); }

FW_IMPLEMENT_DYNCREATE(TextView, fw::View)

const fw::MessageMap* TextView::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(fw::View::GetMessageMap()).OnCommandEx(kTrace, kTrace, &TextView::OnTrace);
    return &map;
}

bool TextView::OnTrace(uint32_t) { return Note("view"); }

void TextView::OnDraw(QPainter& painter)
{
    painter.fillRect(viewport()->rect(), Qt::white);
    if (auto* doc = dynamic_cast<TextDoc*>(GetDocument()))
        painter.drawText(viewport()->rect(), Qt::AlignCenter, QString::fromStdString(doc->text));
}

void TextView::OnActivateView(bool activate, fw::View*, fw::View*)
{
    (activate ? activations : deactivations)++;
}

FW_IMPLEMENT_DYNCREATE(ChildFrame, fw::MDIChildWnd)

const fw::MessageMap* ChildFrame::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(fw::MDIChildWnd::GetMessageMap()).OnCommandEx(kTrace, kTrace, &ChildFrame::OnTrace);
    return &map;
}

bool ChildFrame::OnTrace(uint32_t) { return Note("child frame"); }

void ChildFrame::OnMDIActivate(bool activate, fw::MDIChildWnd* activated, fw::MDIChildWnd* deactivated)
{
    fw::MDIChildWnd::OnMDIActivate(activate, activated, deactivated);
    activity.push_back(activate ? "on" : "off");
}

TextTemplate::TextTemplate()
    : fw::MultiDocTemplate("\nText\nText\nText (*.txd)\n.TXD\nFwTest.Document\nFwTest Document",
                           FW_RUNTIME_CLASS(TextDoc), FW_RUNTIME_CLASS(ChildFrame), FW_RUNTIME_CLASS(TextView))
{
}

const fw::MessageMap* TextTemplate::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(fw::DocTemplate::GetMessageMap()).OnCommandEx(kTrace, kTrace, &TextTemplate::OnTrace);
    return &map;
}

bool TextTemplate::OnTrace(uint32_t) { return Note("template"); }

const fw::MessageMap* Manager::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(fw::CmdTarget::GetMessageMap()).OnCommandEx(kTrace, kTrace, &Manager::OnTrace);
    return &map;
}

bool Manager::OnTrace(uint32_t) { return Note("interface manager"); }

Bar::Bar()
{
    disabledButton = new QPushButton("Disabled", this);
    disabledButton->setGeometry(4, 4, 90, 28);
    traceButton = new QPushButton("Trace", this);
    traceButton->setGeometry(4, 36, 90, 28);
    AddCommandButton(disabledButton, kDisabled);
    AddCommandButton(traceButton, kTrace);
}

const fw::MessageMap* Bar::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(fw::DialogBar::GetMessageMap()).OnCommandEx(kTrace, kTrace, &Bar::OnTrace);
    return &map;
}

bool Bar::OnTrace(uint32_t) { return Note("bar"); }

MainFrame::MainFrame()
{
    QMenu* file = menuBar()->addMenu("&File");
    AddCommand(file, fw::ID_FILE_NEW, "&New");
    saveItem = AddCommand(file, fw::ID_FILE_SAVE, "&Save");
    QMenu* test = menuBar()->addMenu("&Test");
    disabledItem = AddCommand(test, kDisabled, "&Disabled");
    unhandledItem = AddCommand(test, kUnhandled, "&Unhandled");
    checkedItem = AddCommand(test, kChecked, "&Checked");
    availableItem = AddCommand(test, kAvailable, "&Available", QKeySequence(Qt::CTRL | Qt::Key_Y));
    bar = new Bar;
    bar->Create(this, Qt::LeftDockWidgetArea, kBarId, 100);
    status = new fw::StatusBar(this);
    status->SetIndicators({0, kChecked});
    SetStatusBar(status);
    resize(640, 400);
}

bool MainFrame::OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui)
{
    return bar->OnCmdMsg(id, code, ui) || manager.OnCmdMsg(id, code, ui) ||
           fw::MDIFrameWnd::OnCmdMsg(id, code, ui);
}

const fw::MessageMap* MainFrame::GetMessageMap() const
{
    static const fw::MessageMap map = fw::MessageMap(fw::MDIFrameWnd::GetMessageMap())
                                          .OnCommandEx(kTrace, kTrace, &MainFrame::OnTrace)
                                          .OnCommand(kChecked, &MainFrame::OnChecked)
                                          .OnUpdate(kChecked, &MainFrame::OnUpdateChecked);
    return &map;
}

bool MainFrame::OnTrace(uint32_t) { return Note("main frame"); }

TestApp::TestApp() : fw::App("fwtest")
{
    SetAppTitle("Framework Test");
}

TestApp::~TestApp()
{
    CloseAllDocuments(true);
    delete main;
}

bool TestApp::InitInstance()
{
    AddDocTemplate(std::make_unique<TextTemplate>());
    main = new MainFrame;
    SetMainWnd(main);
    main->show();
    return true;
}

const fw::MessageMap* TestApp::GetMessageMap() const
{
    static const fw::MessageMap map = fw::MessageMap(fw::App::GetMessageMap())
                                          .OnCommand(fw::ID_FILE_NEW, &TestApp::OnFileNew)
                                          .OnCommandEx(kTrace, kTrace, &TestApp::OnTrace);
    return &map;
}

bool TestApp::OnTrace(uint32_t) { return Note("application"); }

}  // namespace fwtest
