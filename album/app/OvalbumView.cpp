#include "album/app/OvalbumView.h"

#include <QMenu>
#include <QPainter>
#include <QResizeEvent>

#include "album/app/MainFrm.h"
#include "album/app/book/AlbumBookStyle.h"
#include "album/app/book/PagePane.h"
#include "album/app/book/RootPane.h"
#include "album/doc/AlbumThumbnail.h"
#include "album/doc/OvalbumDoc.h"

FW_IMPLEMENT_DYNCREATE(COvalbumView, fw::View)

namespace {

constexpr int kMarqueeMilliseconds = 50;

} // namespace

COvalbumView::COvalbumView()
{
    viewport()->setAcceptDrops(true);
    setAcceptDrops(true);
    marquee_.setInterval(kMarqueeMilliseconds);
    connect(&marquee_, &QTimer::timeout, this, [this] {
        if (CPagePane* page = Page())
            if (const QRect r = page->TickMarquee(); !r.isEmpty())
                viewport()->update(r);
    });
    marquee_.start();
}

COvalbumView::~COvalbumView() = default;

COvalbumDoc* COvalbumView::GetDocument() const
{
    return dynamic_cast<COvalbumDoc*>(fw::View::GetDocument());
}

QSize COvalbumView::CellSize()
{
    return QSize(kThumbnailWidth + kThumbnailWidth / 4, kThumbnailHeight + kThumbnailHeight / 4);
}

CPagePane* COvalbumView::Page() const
{
    return root_ ? &root_->Page() : nullptr;
}

void COvalbumView::OnInitialUpdate()
{
    capturePane_ = nullptr;
    dragged_ = nullptr;
    const COvalbumDoc* doc = GetDocument();
    root_ = std::make_unique<CRootPane>(*this, CellSize(), doc ? doc->GetAlbumTitle() : std::string());
    Relayout();
    fw::View::OnInitialUpdate();
}

void COvalbumView::OnUpdate(fw::View* sender, int64_t hint, const void* hintObject)
{
    // Records may have gone: a drag or capture must not hold on to them.
    if (dragged_ && GetDocument() && GetDocument()->IndexOf(dragged_) < 0)
        dragged_ = nullptr;
    Relayout();
    fw::View::OnUpdate(sender, hint, hintObject);
}

void COvalbumView::Relayout()
{
    if (root_)
        root_->LayoutAll(viewport()->rect());
}

void COvalbumView::resizeEvent(QResizeEvent* event)
{
    fw::View::resizeEvent(event);
    Relayout();
}

void COvalbumView::OnDraw(QPainter& painter)
{
    const QRect clip = painter.clipBoundingRect().isEmpty() ? viewport()->rect()
                                                            : painter.clipBoundingRect().toAlignedRect();
    painter.fillRect(clip, albumbook::ButtonFace());
    if (root_)
        root_->PaintAll(painter, clip);
}

COvalbumRec* COvalbumView::RecordAt(QPoint at) const
{
    return Page() ? Page()->RecordAt(at) : nullptr;
}

void COvalbumView::SelectRecord(const COvalbumRec* record)
{
    if (COvalbumDoc* doc = GetDocument())
        doc->Select(record);
    viewport()->update();
}

void COvalbumView::BringIntoSight(const COvalbumRec* record)
{
    if (CPagePane* page = Page()) {
        page->BringIntoSight(record);
        viewport()->update();
    }
}

void COvalbumView::SetStatusText(const std::string& text)
{
    if (auto* frame = dynamic_cast<CMainFrame*>(GetParentFrame()))
        frame->SetStatusText(text);
}
