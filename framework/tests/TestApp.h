// A small MDI program for the framework's tests: one document type whose
// document holds a line of text, a view, a child frame, a main frame with a
// dialog bar, a status bar and an interface manager in front of the
// framework's routing, and an application. Every level handles command
// kTrace by noting its name and declining, so the routing order shows.
#pragma once

#include <QPointer>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "framework/App.h"
#include "framework/CmdUI.h"
#include "framework/DocTemplate.h"
#include "framework/Exception.h"
#include "framework/DialogBar.h"
#include "framework/Document.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/View.h"

namespace fwtest {

inline constexpr uint32_t kTrace = 40000;
inline constexpr uint32_t kDisabled = 40001;   // its update handler disables it
inline constexpr uint32_t kUnhandled = 40002;  // nobody handles it
inline constexpr uint32_t kChecked = 40003;    // handled by the main frame, checked
inline constexpr uint32_t kAvailable = 40004;  // the document's, enabled while available
inline constexpr uint32_t kBarId = 1002;

// Names of the levels that saw kTrace, in order.
std::vector<std::string>& Trace();

class TextDoc : public fw::Document {
    FW_DECLARE_DYNCREATE(TextDoc)
public:
    std::string text;
    // Saving fails after the first field, as a full disk would.
    bool failWhileSaving = false;
    bool available = false;
    int availableRuns = 0;
    void Serialize(fw::Archive& ar) override;
    const fw::MessageMap* GetMessageMap() const override;
    bool OnTrace(uint32_t);
    void OnUpdateDisabled(fw::CmdUI& ui);
    void OnDisabled() {}
    void OnUpdateAvailable(fw::CmdUI& ui) { ui.Enable(available); }
    void OnAvailable() { ++availableRuns; }
};

class TextView : public fw::View {
    FW_DECLARE_DYNCREATE(TextView)
public:
    int activations = 0;
    int deactivations = 0;
    const fw::MessageMap* GetMessageMap() const override;
    bool OnTrace(uint32_t);
    void OnDraw(QPainter& painter) override;
    void OnActivateView(bool activate, fw::View* activated, fw::View* deactivated) override;
};

class ChildFrame : public fw::MDIChildWnd {
    FW_DECLARE_DYNCREATE(ChildFrame)
public:
    std::vector<std::string> activity;  // "on" and "off" as reported
    const fw::MessageMap* GetMessageMap() const override;
    bool OnTrace(uint32_t);
    void OnMDIActivate(bool activate, fw::MDIChildWnd* activated, fw::MDIChildWnd* deactivated) override;
};

class TextTemplate : public fw::MultiDocTemplate {
public:
    TextTemplate();
    const fw::MessageMap* GetMessageMap() const override;
    bool OnTrace(uint32_t);
};

class Manager : public fw::CmdTarget {
public:
    const fw::MessageMap* GetMessageMap() const override;
    bool OnTrace(uint32_t);
};

class Bar : public fw::DialogBar {
public:
    Bar();
    QPushButton* disabledButton;
    QPushButton* traceButton;
    const fw::MessageMap* GetMessageMap() const override;
    bool OnTrace(uint32_t);
};

class MainFrame : public fw::MDIFrameWnd {
public:
    MainFrame();
    Bar* bar;
    Manager manager;
    fw::StatusBar* status;
    QAction* disabledItem;
    QAction* unhandledItem;
    QAction* checkedItem;
    QAction* availableItem;  // Ctrl+Y
    QAction* saveItem;
    bool OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui) override;
    const fw::MessageMap* GetMessageMap() const override;
    bool OnTrace(uint32_t);
    void OnChecked() {}
    void OnUpdateChecked(fw::CmdUI& ui) { ui.SetCheck(1); }
};

class TestApp : public fw::App {
public:
    TestApp();
    ~TestApp() override;
    bool InitInstance() override;
    const fw::MessageMap* GetMessageMap() const override;
    bool OnTrace(uint32_t);
    QPointer<MainFrame> main;
};

}  // namespace fwtest
