#include "tasks/sketch/CVShape_Text.h"

#include "framework/Archive.h"
#include "framework/ColorDialog.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVSketchDC.h"
#include "tasks/sketch/SketchArchive.h"
#include "tasks/sketch/SketchDialogs.h"
#include "tasks/sketch/SketchFont.h"
#include "tasks/sketch/SketchGeometry.h"

FW_IMPLEMENT_SERIAL(CVShape_Text, CVShape, 1)

CVShape_Text::CVShape_Text(const QnPoint& a, const QnPoint& b) : face("Arial")
{
    const QnRect r = SketchRectOf(a, b);
    points = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
}

void CVShape_Text::SetFont(const std::string& f, int32_t isItalic, int32_t isBold)
{
    face = f;
    italic = isItalic;
    bold = isBold;
}

void CVShape_Text::Draw(CVSketchDC* dc)
{
    // Nothing to measure the font by: the calendar never has such a text.
    if (text.empty())
        return;
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const uint32_t oldColour = dc->SetTextColor(color);
    const QnRect d = dc->Scale().ToDevice(GetBoundRect());
    const QFont oldFont = SketchSelectFittedFont(*dc, face, italic != 0, bold != 0, text, d);
    dc->DrawText(text, d, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_LEFT);
    dc->SelectFont(oldFont);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldColour);
}

void CVShape_Text::EditColor()
{
    if (const auto chosen = fw::RunColorDialog(color))
        color = *chosen;
}

void CVShape_Text::EditFont()
{
    SketchFontChoice choice{face, italic != 0, bold != 0, text};
    if (!SketchRunFontDialog(choice))
        return;
    face = choice.face;
    italic = choice.italic ? 1 : 0;
    bold = choice.bold ? 1 : 0;
}

void CVShape_Text::Store(fw::Archive& ar)
{
    StoreRect(ar);
    ar << text << color << face << italic << bold;
}

void CVShape_Text::Load(fw::Archive& ar)
{
    // Read whole before taking anything, so a short file changes nothing.
    const QnRect r = LoadRect(ar);
    std::string t, f;
    uint32_t c = 0;
    int32_t i = 0, b = 0;
    ar >> t >> c >> f >> i >> b;
    text = std::move(t);
    color = c;
    face = std::move(f);
    italic = i;
    bold = b;
    FitInto(r);
}

void CVShape_Text::Serialize(fw::Archive& ar)
{
    CVShape::Serialize(ar);
    if (ar.IsStoring()) {
        ar << text << face << bold << italic;
        return;
    }
    std::string t, f;
    int32_t b = 0, i = 0;
    ar >> t >> f >> b >> i;
    text = std::move(t);
    face = std::move(f);
    bold = b;
    italic = i;
}
