// The Picture and Edit commands that need only the picture's type and the
// selection: Picture properties, Select All / None / Invert and the five
// Convert commands. An edit is an expression over the current one, labelled
// with the command's menu text and committed with its undo step.
#include <cstdio>
#include <memory>

#include "editor/document/DocConversions.h"
#include "editor/document/DocErrors.h"
#include "editor/document/DocStrings.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/operations/Convert.h"
#include "editor/ui/Convert1Dlg.h"
#include "editor/ui/Convert4Dlg.h"
#include "editor/ui/FileInfoDlg.h"
#include "framework/CmdUI.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "base/QnExcept.h"

namespace {

std::string Format(int id, int value)
{
    char line[128];
    std::snprintf(line, sizeof line, DocString(id).c_str(), value);
    return line;
}

}  // namespace

QnRgn WholePictureSelection(WholePictureCommand command, const QnRgn& current, const QnPoint& size)
{
    const QnRgn whole(QnRect{0, 0, size.x, size.y});
    switch (command) {
    case WholePictureCommand::All:
        return whole;
    case WholePictureCommand::None:
        return QnRgn();
    case WholePictureCommand::Invert:
        break;
    }
    return whole - current;
}

std::vector<std::string> CLodo40Doc::PropertyLines()
{
    std::vector<std::string> lines;
    std::string title = GetTitle();
    if (IsModified() && !title.empty())
        title = title.substr(0, title.size() - 1) + DocString(IDS_PROPERTY_MODIFIED);
    lines.push_back(DocString(IDS_PROPERTY_NAME) + title);
    const QnPoint size = GetPictureSize();
    lines.push_back(Format(IDS_PROPERTY_WIDTH, size.x));
    lines.push_back(Format(IDS_PROPERTY_HEIGHT, size.y));
    lines.push_back(Format(IDS_PROPERTY_XRES, m_picture ? m_picture->GetHRes() : 0));
    lines.push_back(Format(IDS_PROPERTY_YRES, m_picture ? m_picture->GetVRes() : 0));
    switch (PictureType()) {
    case 1: lines.push_back(DocString(IDS_PROPERTY_1BIT)); break;
    case 2: lines.push_back(DocString(IDS_PROPERTY_4BIT)); break;
    case 4: lines.push_back(DocString(IDS_PROPERTY_8BIT)); break;
    case 8: lines.push_back(DocString(IDS_PROPERTY_GREY)); break;
    case 16: lines.push_back(DocString(IDS_PROPERTY_24BIT)); break;
    default: break;
    }
    return lines;
}

void CLodo40Doc::OnPictureProperties()
{
    CFileInfoDlg dialog(LdDocumentHost().MainWidget());
    for (const std::string& line : PropertyLines())
        dialog.AddLine(line);
    dialog.DoModal();
}

void CLodo40Doc::ApplyWholePictureSelection(WholePictureCommand command)
{
    SetSelection(WholePictureSelection(command, m_selection, GetPictureSize()));
    const QnRect nothing{};
    fw::Document::UpdateAllViews(nullptr, kHintSelection, &nothing);
}

void CLodo40Doc::OnEditSelectAll() { ApplyWholePictureSelection(WholePictureCommand::All); }
void CLodo40Doc::OnEditSelectNone() { ApplyWholePictureSelection(WholePictureCommand::None); }
void CLodo40Doc::OnEditSelectInvert() { ApplyWholePictureSelection(WholePictureCommand::Invert); }

void CLodo40Doc::ApplyConversion(const PpQnExpr& function, uint32_t command)
{
    LdRunEdit([&] {
        ApplyExpression(PpQnExpr(function, m_expr), nullptr, nullptr, LdDocumentHost().MenuCommandText(command), true,
                        true);
    });
}

void CLodo40Doc::OnConvertTo24Bit()
{
    if (PictureType() != 16)
        ApplyConversion(MakeConvertToGrayOr24BitExpr(0), ID_CONVERT_24BIT);
}

void CLodo40Doc::OnConvertToGrey()
{
    if (PictureType() != 8)
        ApplyConversion(MakeConvertToGrayOr24BitExpr(1), ID_CONVERT_GREY);
}

void CLodo40Doc::OnConvertToMono()
{
    if (PictureType() == 1)
        return;
    ConversionMemory& memory = TheConversionMemory();
    Convert1Dlg dialog(m_picture, ConversionPreviewEffect(m_picture), LdDocumentHost().MainWidget());
    dialog.rasterIndex = memory.monoOption / 8;
    if (dialog.DoModal() != fw::IDOK)
        return;
    memory.monoOption = 8 * dialog.rasterIndex;
    ApplyConversion(ConversionFunction(dialog.Conversion(), m_expr), ID_CONVERT_MONO);
}

void CLodo40Doc::ConvertToPaletted(bool fourBit)
{
    if (PictureType() == (fourBit ? 2 : 4))
        return;
    ConversionMemory& memory = TheConversionMemory();
    int32_t& option = fourBit ? memory.option4 : memory.option8;
    int32_t& optimised = fourBit ? memory.optimised4 : memory.optimised8;
    Convert4Dlg dialog(m_picture, ConversionPreviewEffect(m_picture), fourBit, LdDocumentHost().MainWidget());
    dialog.rasterIndex = option / 8;
    dialog.paletteIndex = optimised;
    if (dialog.DoModal() != fw::IDOK)
        return;
    option = 8 * dialog.rasterIndex;
    optimised = dialog.paletteIndex;
    ApplyConversion(ConversionFunction(dialog.Conversion(), m_expr), fourBit ? ID_CONVERT_4BIT : ID_CONVERT_8BIT);
}

void CLodo40Doc::OnConvertTo4Bit() { ConvertToPaletted(true); }
void CLodo40Doc::OnConvertTo8Bit() { ConvertToPaletted(false); }

void CLodo40Doc::OnUpdateConvert(fw::CmdUI& ui)
{
    int target = 0;
    switch (ui.GetID()) {
    case ID_CONVERT_24BIT: target = 16; break;
    case ID_CONVERT_GREY: target = 8; break;
    case ID_CONVERT_MONO: target = 1; break;
    case ID_CONVERT_4BIT: target = 2; break;
    default: target = 4; break;
    }
    ui.Enable(PictureType() != target);
}
