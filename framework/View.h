// A window that shows one document in a frame. It is a scroll area whose
// viewport is the drawing surface (bars hidden unless a view turns them on),
// and a command target that routes to its document after itself.
#pragma once

#include <QAbstractScrollArea>
#include <cstdint>

#include "framework/CmdTarget.h"
#include "framework/PrintInfo.h"

class QPainter;

namespace fw {

class Document;
class FrameWnd;

class View : public QAbstractScrollArea, public CmdTarget {
    FW_DECLARE_DYNAMIC(View)

public:
    explicit View(QWidget* parent = nullptr);
    ~View() override;

    Document* GetDocument() const { return document_; }
    // The frame that holds the view (its child frame in an MDI program).
    FrameWnd* GetParentFrame() const;

    // After the view joined its document and frame, before it is shown.
    virtual void OnInitialUpdate();
    // The document changed; the default repaints the whole view.
    virtual void OnUpdate(View* sender, int64_t hint, const void* hintObject);
    // The view became (activate) or stopped being the active view of its frame.
    virtual void OnActivateView(bool activate, View* activated, View* deactivated);
    // Draws the document for the screen (from paintEvent) and for printing.
    virtual void OnDraw(QPainter& painter);
    // Sets up painter before drawing; info is null for the screen.
    virtual void OnPrepareDC(QPainter& painter, PrintInfo* info);

    // Printing: the handlers of File > Print (also direct) and Print Preview
    // that view classes put into their message maps.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();
    virtual bool OnPreparePrinting(PrintInfo& info);
    // Shows the print dialog (through its hook) unless info.direct; false
    // when the user cancels.
    bool DoPreparePrinting(PrintInfo& info);
    virtual void OnBeginPrinting(QPainter&, PrintInfo&) {}
    virtual void OnPrint(QPainter& painter, PrintInfo& info);
    virtual void OnEndPrinting(QPainter&, PrintInfo&) {}

    bool OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    friend class Document;
    // Prints all pages of info on its printer (the preview calls it too).
    void PrintPages(PrintInfo& info);
    Document* document_ = nullptr;
};

}  // namespace fw
