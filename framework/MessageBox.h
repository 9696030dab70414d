// Message boxes with the system's button and icon codes and answers.
// Tests answer them through the hook instead of a window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace fw {

// Button sets.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_TYPEMASK = 0xF;
// Icons.
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;
// Default button.
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;

// Answers (also the ids of a dialog's standard buttons).
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    unsigned type = MB_OK;
};

// Answers a message box instead of showing it; returns one of the ID codes.
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;
// Installs hook (empty: show real message boxes); returns the previous one.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// Shows text with the application's title as caption, owned by the main
// window; returns the button chosen.
int MessageBox(const std::string& text, unsigned type = MB_OK);
// The same with a caption and owner of the caller's choice (owner may be null).
int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned type);

}  // namespace fw
