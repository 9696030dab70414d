#include "framework/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <mutex>

#include "framework/App.h"

namespace fw {
namespace {

std::mutex hookMutex;
MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int answer;
};

std::vector<ButtonSpec> ButtonsOf(unsigned type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL: return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default: return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon IconOf(unsigned type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The answer of a box closed without a button (Escape, window close).
int EscapeAnswer(unsigned type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: case MB_YESNOCANCEL: case MB_RETRYCANCEL: return IDCANCEL;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDOK;
    }
}

}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    std::lock_guard lock(hookMutex);
    std::swap(Hook(), hook);
    return hook;
}

int MessageBox(const std::string& text, unsigned type)
{
    App* app = App::Get();
    return MessageBox(app ? app->GetMainWidget() : nullptr, text, app ? app->GetAppTitle() : std::string(), type);
}

int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned type)
{
    MessageBoxHook hook;
    {
        std::lock_guard lock(hookMutex);
        hook = Hook();
    }
    if (hook)
        return hook(MessageBoxRequest{text, caption, type});
    if (!qApp)
        return EscapeAnswer(type);

    QMessageBox box(IconOf(type), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, owner);
    const auto buttons = ButtonsOf(type);
    for (const auto& entry : buttons)
        box.addButton(entry.button);
    const size_t defaultIndex = (type & MB_DEFBUTTON3) ? 2 : (type & MB_DEFBUTTON2) ? 1 : 0;
    if (defaultIndex < buttons.size())
        box.setDefaultButton(buttons[defaultIndex].button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& entry : buttons)
        if (entry.button == clicked)
            return entry.answer;
    return EscapeAnswer(type);
}

}  // namespace fw
