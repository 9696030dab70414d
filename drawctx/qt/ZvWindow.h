// A window of the drawing library over a QWidget: the control id and the
// style bits its dialog template gives it, the numbered messages its class
// answers, and what a child window tells its parent. Drawing contexts draw
// into it and realize their palette in it.
#pragma once

#include "render/Rgn.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>

class ZvWindow;

// Style bits a window takes from its template.
enum : uint32_t {
    ZV_WS_BORDER = 0x00800000, // a thin black frame on the client edge
};

// Message numbers of the system that the library's windows answer.
enum : uint32_t {
    ZV_WM_GETDLGCODE = 0x0087,
    ZV_WM_QUERYNEWPALETTE = 0x030F,
};

// What a parent gets from the library's child windows. A parent that is not
// one still gets the commands when it is a framework dialog (as the
// command of the control's id).
class ZvParentSink {
public:
    virtual ~ZvParentSink() = default;
    virtual void OnZvCommand(uint32_t id, int code, ZvWindow* from) = 0;
    virtual void OnZvDropFiles(const QStringList& files, ZvWindow* from);
};

class ZvWindow : public QWidget {
public:
    ZvWindow(QWidget* parent, uint32_t id, uint32_t style);

    uint32_t Id() const { return id_; }
    uint32_t Style() const { return style_; }
    bool HasBorder() const { return (style_ & ZV_WS_BORDER) != 0; }

    // A message of the window's class; 0 for one it does not know.
    virtual intptr_t SendMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam);
    // The system's palette changed because from realized its own.
    virtual void OnPaletteChanged(ZvWindow* from);

    // Marks rgn (client coordinates; null for all) for the next paint. A
    // paint covers all it repaints, so erase only says what the caller
    // meant.
    void Invalidate(const QnRgn* rgn, bool erase);

protected:
    // The command (id, code) to the parent, delivered once the event loop
    // runs, as a posted message is.
    void PostCommandToParent(int code);
    void PassDropToParent(const QStringList& files);

private:
    uint32_t id_;
    uint32_t style_;
};
