#include "editor/view/LdWriter.h"

#include "editor/document/Lodo40Doc.h"
#include "editor/ui/LdMask.h"

#include <QPainter>
#include <cstdlib>

namespace {

constexpr int32_t kGreyPicture = 8;
constexpr int32_t kTrueColourPicture = 16;

// The text is shown with a space at each end, as the document draws it.
QString PreviewText(const CTextParams& params) { return " " + QString::fromStdString(params.text) + " "; }

uint32_t AlignmentFormat(int32_t alignment)
{
    switch (alignment) {
    case 1: return LD_DT_CENTER;
    case 2: return LD_DT_RIGHT;
    default: return LD_DT_LEFT;
    }
}

QnRect Moved(const QnRect& r, const QnPoint& at)
{
    return QnRect{r.left + at.x, r.top + at.y, r.right + at.x, r.bottom + at.y};
}

QRect ClientRect(CLodo40View& view, const QnRect& picture)
{
    const QnPoint a = view.PictureToClient(QnPoint{picture.left, picture.top});
    const QnPoint b = view.PictureToClient(QnPoint{picture.right, picture.bottom});
    return QRect(QPoint(a.x, a.y), QPoint(b.x - 1, b.y - 1));
}

} // namespace

bool CLdWriter::HitTest(const QnPoint& p) const
{
    if (textRect_.IsEmpty() || !Placed())
        return true;
    const QnRect box = Moved(textRect_, position_);
    return QnRect{box.left - 2, box.top - 2, box.right + 2, box.bottom + 2}.Contains(p);
}

void CLdWriter::BeginDrag(CLodo40View& view, const QnPoint& p)
{
    view_ = &view;
    if (!Placed()) {
        dragOffset_ = QnPoint{};
        position_ = p;
        params_.ints[kPlaced] = 1;
    } else {
        dragOffset_ = QnPoint{position_.x - p.x, position_.y - p.y};
    }
    Invalidate(position_);
    view.UpdateNow();
}

void CLdWriter::Drag(const QnPoint& p)
{
    if (!view_)
        return;
    const QnPoint target{p.x + dragOffset_.x, p.y + dragOffset_.y};
    Invalidate(position_);
    position_ = target;
    params_.ints[kX] = target.x;
    params_.ints[kY] = target.y;
    Invalidate(position_);
    view_->UpdateNow();
}

void CLdWriter::Commit(CLodo40Doc& document)
{
    if (params_.text.empty())
        return;
    document.AddText(params_, QnPoint{params_.ints[kX], params_.ints[kY]});
    params_.text.clear();
}

void CLdWriter::MeasureText(CLodo40View& view)
{
    textRect_ = QnRect{};
    if (params_.text.empty())
        return;
    const QnXForm zoom = view.GetViewXForm().GetXFactor();
    const int64_t a = zoom.anum(), d = zoom.den();
    if (a <= 0 || d == 0)
        return;
    font_ = LdPointFont(int32_t(a * params_.ints[kSize] * 10 / d), params_.face);
    font_.weight = params_.ints[kBold] ? 700 : 400;
    font_.italic = (params_.ints[kItalic] & 0xFF) != 0;
    font_.underline = (params_.ints[kUnderline] & 0xFF) != 0;
    fontHeight_ = std::abs(font_.height) / 2 * 2;
    CLdMask mask;
    mask.SelectFont(font_);
    const QSize size = mask.MeasureText(PreviewText(params_), LD_DT_NOCLIP);
    textRect_ = QnRect{0, 0, int32_t(size.width() * d / a), int32_t(size.height() * d / a)};
}

void CLdWriter::Invalidate(const QnPoint& at)
{
    if (!view_)
        return;
    MeasureText(*view_);
    if (textRect_.IsEmpty())
        return;
    QRect r = ClientRect(*view_, Moved(textRect_, at));
    r.adjust(-fontHeight_ / 2, 0, fontHeight_ / 2, 0);
    view_->viewport()->update(r);
}

void CLdWriter::Draw(CLodo40View& view, QPainter& painter)
{
    MeasureText(view);
    CLodo40Doc* doc = view.GetDocument();
    if (textRect_.IsEmpty() || !doc)
        return;
    params_.ints[kX] = position_.x;
    params_.ints[kY] = position_.y;

    painter.save();
    painter.setFont(LdMakeFont(font_));
    const uint32_t c = uint32_t(params_.ints[kColour]);
    const int red = int(c & 0xFF), green = int((c >> 8) & 0xFF), blue = int((c >> 16) & 0xFF);
    if (doc->PictureType() == kGreyPicture) {
        const int grey = (red + green + blue) / 3;
        painter.setPen(QColor(grey, grey, grey));
    } else if (doc->PictureType() == kTrueColourPicture) {
        painter.setPen(QColor(red, green, blue));
    }
    painter.setBackgroundMode(Qt::TransparentMode);

    const QnRgn selection = doc->GetSelection();
    if (!selection.box().IsEmpty()) {
        QRegion clip;
        for (const QnRect& r : selection.rects()) {
            const QnRect client = view.PictureRectToClient(r);
            clip += QRect(client.left, client.top, client.right - client.left, client.bottom - client.top);
        }
        painter.setClipRegion(clip, Qt::IntersectClip);
    }
    const QnRect picture = view.GetPictureClientRect();
    painter.setClipRect(QRect(picture.left, picture.top, picture.right - picture.left, picture.bottom - picture.top),
                        Qt::IntersectClip);
    painter.drawText(ClientRect(view, Moved(textRect_, position_)),
                     LdTextFlags(AlignmentFormat(params_.ints[kAlignment]) | LD_DT_NOCLIP), PreviewText(params_));
    painter.restore();
}

bool CLdWriter::OnButtonDown(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers)
{
    if (!HitTest(p))
        return false;
    BeginDrag(view, p);
    return true;
}

void CLdWriter::OnMouseMove(CLodo40View&, const QnPoint& p, bool captured, Qt::KeyboardModifiers)
{
    if (captured)
        Drag(p);
}

void CLdWriter::OnButtonUp(CLodo40View&, const QnPoint& p) { EndDrag(p); }

std::optional<QCursor> CLdWriter::Cursor(CLodo40View&, const QnPoint& p, Qt::KeyboardModifiers)
{
    if (Placed() && !textRect_.IsEmpty() && HitTest(p))
        return QCursor(Qt::SizeAllCursor);
    return std::nullopt;
}

void CLdWriter::PaintOverlay(CLodo40View& view, QPainter& painter)
{
    // Until the user places the text it shows at the top-left corner of
    // what the view shows of the picture.
    if (!Placed()) {
        const QnRect visible = view.GetPictureClientRect();
        view_ = &view;
        position_ = view.ClientToPicture(QnPoint{visible.left, visible.top});
        params_.ints[kPlaced] = 1;
    }
    // The view the text was shown in has gone: it moves to this one.
    if (!view_)
        view_ = &view;
    if (&view == view_)
        Draw(view, painter);
}
