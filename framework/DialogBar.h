// A bar of controls docked at one side of a frame (the dialog bars of the
// guided interface). Buttons with control ids send their command to the
// owner frame, whose routing offers it to the bars again; at idle time the
// bar updates its controls through the frame's routing.
#pragma once

#include <QWidget>
#include <cstdint>

#include "framework/CmdTarget.h"
#include "framework/ControlBar.h"

class QAbstractButton;

namespace fw {

class FrameWnd;

class DialogBar : public QWidget, public CmdTarget, public ControlBar {
    FW_DECLARE_DYNAMIC(DialogBar)

public:
    explicit DialogBar(QWidget* parent = nullptr);

    // Docks the bar in frame at area with id (which also shows and hides it);
    // size is the bar's width (left, right) or height (top, bottom).
    bool Create(FrameWnd* frame, Qt::DockWidgetArea area, uint32_t id, int size);
    FrameWnd* GetOwnerFrame() const { return owner_; }
    uint32_t GetBarId() const { return id_; }

    // Gives button control id and makes its click send the command.
    void AddCommandButton(QAbstractButton* button, uint32_t id);
    // Gives button control id and makes its click run the command on this
    // bar first and only then, when the bar has no handler, through the
    // owner frame: for bars that share command ids with a sibling bar, whose
    // routing would otherwise hand one bar's click to the other.
    void AddOwnCommandButton(QAbstractButton* button, uint32_t id);
    // Connects every button child with an id that is not connected yet.
    void ConnectCommandButtons();

    void OnUpdateCmdUI(CmdTarget* target, bool disableIfNoHandler) override;

private:
    FrameWnd* owner_ = nullptr;
    uint32_t id_ = 0;
};

}  // namespace fw
