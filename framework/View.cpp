#include "framework/View.h"

#include <QPainter>
#include <QPrinter>

#include "framework/App.h"
#include "framework/Document.h"
#include "framework/EventGuard.h"
#include "framework/FrameWnd.h"
#include "framework/PrintDialog.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(View, "CView", CmdTarget, RuntimeClass::kNoSchema, nullptr)

View::View(QWidget* parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
}

View::~View()
{
    if (FrameWnd* frame = GetParentFrame())
        frame->ViewDestroyed(this);
    if (document_)
        document_->RemoveView(this);
}

FrameWnd* View::GetParentFrame() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* frame = dynamic_cast<FrameWnd*>(w))
            return frame;
    return nullptr;
}

void View::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void View::OnUpdate(View*, int64_t, const void*)
{
    viewport()->update();
}

void View::OnActivateView(bool, View*, View*) {}

void View::OnDraw(QPainter&) {}

void View::OnPrepareDC(QPainter&, PrintInfo*) {}

void View::paintEvent(QPaintEvent*)
{
    GuardedCall([&] {
        QPainter painter(viewport());
        OnPrepareDC(painter, nullptr);
        OnDraw(painter);
    });
}

void View::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (FrameWnd* frame = GetParentFrame())
        frame->SetActiveView(this);
}

bool View::OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui)
{
    if (CmdTarget::OnCmdMsg(id, code, ui))
        return true;
    return document_ && document_->OnCmdMsg(id, code, ui);
}

bool View::OnPreparePrinting(PrintInfo& info)
{
    return DoPreparePrinting(info);
}

bool View::DoPreparePrinting(PrintInfo& info)
{
    App* app = App::Get();
    if (!app)
        return false;
    info.printer = &app->GetPrinter();
    if (info.direct || info.preview)
        return true;
    return RunPrintDialog(*info.printer, info, window());
}

void View::OnPrint(QPainter& painter, PrintInfo& info)
{
    OnPrepareDC(painter, &info);
    OnDraw(painter);
}

void View::PrintPages(PrintInfo& info)
{
    QPainter painter;
    if (!painter.begin(info.printer))
        return;
    info.drawRect = QRect(QPoint(0, 0), info.printer->pageLayout().paintRectPixels(info.printer->resolution()).size());
    OnBeginPrinting(painter, info);
    const uint32_t first = std::max(info.minPage, info.fromPage);
    const uint32_t last = std::min(info.maxPage, info.toPage);
    for (info.currentPage = first; info.currentPage <= last && info.continuePrinting; ++info.currentPage) {
        if (info.currentPage != first)
            info.printer->newPage();
        painter.save();
        OnPrint(painter, info);
        painter.restore();
    }
    OnEndPrinting(painter, info);
    painter.end();
}

void View::OnFilePrint()
{
    PrintInfo info;
    if (OnPreparePrinting(info))
        PrintPages(info);
}

void View::OnFilePrintDirect()
{
    PrintInfo info;
    info.direct = true;
    if (OnPreparePrinting(info))
        PrintPages(info);
}

void View::OnFilePrintPreview()
{
    PrintInfo info;
    info.preview = true;
    if (!OnPreparePrinting(info))
        return;
    RunPrintPreview(*info.printer, [this, info](QPrinter* printer) mutable {
        info.printer = printer;
        info.continuePrinting = true;
        PrintPages(info);
    }, window());
}

}  // namespace fw
