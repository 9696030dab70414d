// A small floating tool window with a caption, owned by a frame (the tool
// palette). It decides for itself how it closes, and OnDestroy runs before
// it goes, also when its owner goes first.
#pragma once

#include <QWidget>
#include <string>

#include "framework/CmdTarget.h"

namespace fw {

class MiniFrameWnd : public QWidget, public CmdTarget {
    FW_DECLARE_DYNAMIC(MiniFrameWnd)

public:
    MiniFrameWnd();
    ~MiniFrameWnd() override;

    // Makes the window with title at rect (screen coordinates) over owner.
    bool Create(const std::string& title, const QRect& rect, QWidget* owner, uint32_t id = 0);
    // The close box: by default destroys the window.
    virtual void OnClose();
    // Runs OnDestroy, hides the window and deletes it from the event loop.
    virtual void DestroyWindow();
    bool IsDestroying() const { return destroying_; }

    bool OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui) override;

protected:
    // The window is about to go; it is still whole here.
    virtual void OnDestroy() {}
    void closeEvent(QCloseEvent* event) override;

private:
    bool destroying_ = false;
};

}  // namespace fw
