// What a dialog bar asks of the program around it: task and tool objects by
// name, the application's switches, colours and tool parameters, the active
// document, the view's selection tool and the scanner. The application
// implements it; tests fake it.
#pragma once

#include "framework/ColorDialog.h"
#include "render/Rgn.h"

#include <cstdint>
#include <memory>
#include <string>

namespace fw {
class Object;
}
class CLdBarDocument;
class CLdBarLogic;
class CLdLoadable;
class CSelectParams;

class CLdBarHost {
public:
    virtual ~CLdBarHost() = default;

    // A new object of the class registered under name; null for an empty or
    // unknown name.
    virtual std::unique_ptr<CLdLoadable> CreateLoadable(const std::string& name) = 0;
    // Shows the stage names (for bar, or the task bar when null) and makes
    // "Start" the current task.
    virtual void ResetToStart(CLdBarLogic* bar) = 0;

    // The view mode (text, paint, clone, select, fill or none).
    virtual void SetMode(int mode) = 0;
    // The "Animation" switch of the interface settings.
    virtual bool AnimationOn() = 0;

    virtual fw::ColorRef Foreground() = 0;
    virtual fw::ColorRef Background() = 0;
    // The drawing colours the colour buttons chose: the foreground goes to
    // the application and to the text, brush and fill parameters, the
    // background to the application and the fill parameters.
    virtual void SetForeground(fw::ColorRef colour) = 0;
    virtual void SetBackground(fw::ColorRef colour) = 0;

    // The tools' parameter objects, owned by the application.
    virtual fw::Object* TextParams() = 0;
    virtual fw::Object* BrushParams() = 0;
    virtual fw::Object* FillParams() = 0;
    virtual CSelectParams& SelectParams() = 0;
    // Colours a tool draws with when it opens.
    virtual void SetTextColour(fw::ColorRef colour) = 0;
    virtual void SetBrushColour(fw::ColorRef colour) = 0;
    virtual void SetFillColours(fw::ColorRef fore, fw::ColorRef back) = 0;

    // The document of the active picture window; null when none is open.
    virtual CLdBarDocument* ActiveDocument() = 0;
    virtual void InvalidateActiveView() = 0;
    // The text typed with the text tool goes into document at its insertion
    // point (an undo step); the typed text is then emptied.
    virtual void CommitText(CLdBarDocument& document) = 0;

    // The selection tool: attached to the active view with a selection, and
    // its region read and replaced.
    virtual void AttachSelector(const QnRgn& selection) = 0;
    virtual QnRgn SelectorSelection() = 0;
    virtual void SetSelectorSelection(const QnRgn& selection) = 0;

    // True when the scanner cannot acquire (its entries are disabled).
    virtual bool AcquireUnavailable() = 0;
    // A command to the main window.
    virtual void SendCommand(uint32_t id) = 0;
};
