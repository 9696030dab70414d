// What a picture document asks of the application around it: the undo
// depth, the background and foreground colours, the request that fills the
// next new document, the menu texts that label history steps, the save dialog,
// the main window, the clipboard's picture as a file and commands sent to
// the main window. The application implements it; tests fake it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lang/Expr.h"

class CLodo40Doc;
class QWidget;

// How the next new document is filled.
struct NewDocumentRequest {
    enum Mode : int32_t {
        Dialog = 0,       // the New picture dialog
        File = 1,         // a file, with the cancellable progress display
        FileWithCursor = 2, // a file, with the wait cursor only
        Expression = 3,   // an expression prepared by the caller
    };
    int32_t mode = Dialog;
    std::string path;
    PpQnExpr expr;
    std::string label;
};

class CLdDocumentHost {
public:
    virtual ~CLdDocumentHost() = default;
    // The number of evaluated results each history keeps.
    virtual int32_t UndoDepth() = 0;
    // 0x00BBGGRR: what a new picture is filled with.
    virtual uint32_t Background() = 0;
    // 0x00BBGGRR: the colour plug-ins paint with.
    virtual uint32_t Foreground() { return 0; }
    virtual NewDocumentRequest& NewRequest() = 0;
    // The main-menu text of a command, as history steps are labelled.
    virtual std::string MenuCommandText(uint32_t id) = 0;
    // The save dialog for a picture of type, with name proposed; nothing
    // when the user cancels.
    virtual std::optional<std::string> SelectFileToWrite(int type, const std::string& proposed) = 0;
    virtual QWidget* MainWidget() = 0;
    // The clipboard's picture written to a temporary picture file, whose
    // path is returned; raises when the clipboard holds none.
    virtual std::string WriteClipboardDibToTempFile();
    // Sends a command to the main window (nothing without one).
    virtual void SendCommand(uint32_t) {}
    // Makes the named task or tool current on the bars (nothing without them).
    virtual void SwitchTask(const std::string&) {}
    // The open pictures in the application's order, and the one of the
    // active window (null: none).
    virtual std::vector<CLodo40Doc*> OpenPictures();
    virtual CLodo40Doc* ActivePicture();
};

// The host of every document; set by the application (tests set their own).
void LdSetDocumentHost(CLdDocumentHost* host);
CLdDocumentHost& LdDocumentHost();
