// The text tool of the text view mode: shows the text of the current text
// parameters over the active view, at the view's zoom and inside the picture
// and the selection, and lets the user drag it into place. It leaves the
// picture alone; Commit hands the text to the document at the place shown.
#pragma once

#include <QPointer>

#include "editor/loadable/ToolParams.h"
#include "editor/helpdlg/SystemFont.h"
#include "editor/view/Lodo40View.h"
#include "editor/view/ViewTool.h"

class CLdWriter : public CLdViewTool {
public:
    // Slots of the text parameters' numbers the writer reads and keeps.
    static constexpr int kSize = 0, kItalic = 1, kBold = 2, kUnderline = 3, kAlignment = 4, kColour = 5;
    static constexpr int kX = 6, kY = 7, kPlaced = 8;

    // params: the application's text, read at every drawing; the writer
    // stores the place it shows the text at and whether it has placed it.
    explicit CLdWriter(CTextParams& params) : params_(params) {}

    // True where a button down may start a drag: anywhere until the text
    // is placed or while there is nothing to show, else on the text box
    // grown by 2 pixels.
    bool HitTest(const QnPoint& p) const;
    // The first call places the text at p; later ones grab it at p.
    void BeginDrag(CLodo40View& view, const QnPoint& p);
    void Drag(const QnPoint& p);
    void EndDrag(const QnPoint& p) { Drag(p); }
    // The text goes into the document at the place shown, as one undo step,
    // and the text is emptied. Nothing happens without text.
    void Commit(CLodo40Doc& document);

    bool Placed() const { return params_.ints[kPlaced] != 0; }
    QnPoint Position() const { return position_; }
    // The text box in picture pixels, relative to the position; empty while
    // there is nothing to show. Measured again at every drawing.
    QnRect TextRect() const { return textRect_; }
    // The font of the last measuring, at the view's zoom.
    const CLdLogFont& Font() const { return font_; }
    // Measures the text in view's zoom (what every drawing starts with).
    void MeasureText(CLodo40View& view);

    // CLdViewTool
    bool OnButtonDown(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers) override;
    void OnMouseMove(CLodo40View& view, const QnPoint& p, bool captured, Qt::KeyboardModifiers) override;
    void OnButtonUp(CLodo40View& view, const QnPoint& p) override;
    std::optional<QCursor> Cursor(CLodo40View& view, const QnPoint& p, Qt::KeyboardModifiers) override;
    void PaintOverlay(CLodo40View& view, QPainter& painter) override;

private:
    // Asks the view to repaint the text box at a picture point, widened by
    // half the font height for overhanging glyphs.
    void Invalidate(const QnPoint& at);
    void Draw(CLodo40View& view, QPainter& painter);

    CTextParams& params_;
    QPointer<CLodo40View> view_;
    QnPoint position_;
    QnPoint dragOffset_;
    QnRect textRect_;
    CLdLogFont font_;
    int32_t fontHeight_ = 0;
};
