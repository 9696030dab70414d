#include "editor/document/Lodo40Doc.h"
#include "editor/effects/BuiltinEffectTable.h"

#include "blt/Blt.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/DibExport.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/EvaluationScope.h"
#include "editor/operations/PixelColor.h"
#include "editor/operations/FlRgn.h"
#include "editor/ui/EvalControl.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "lang/ValueExpr.h"

FW_IMPLEMENT_DYNCREATE(CLodo40Doc, fw::Document)

CLodo40Doc::CLodo40Doc()
{
    TrimUndoLists();
    m_selectionValue = MakeRgnValueExpr(m_selection);
}

CLodo40Doc::~CLodo40Doc() = default;

PpQnExpr CLodo40Doc::EvalInContext(PpQnExpr& result, const PpQnExpr& expr, QnMachineContext& machine,
                                   QnEvalControl* control)
{
    const LdEvaluationScope running;
    result = machine.eval(expr, control);
    return result;
}

CLodo40Doc::State CLodo40Doc::CurrentState() const
{
    return State{m_expr, m_reduct, m_source, m_label, m_selection};
}

void CLodo40Doc::SetPictureFromExpression(const PpQnExpr& expr, const QnRect* changed, const QnRgn* selection,
                                          const std::string& label, bool update, QnEvalControl* control,
                                          int64_t hint)
{
    PpQnExpr result;
    PpQnPicture picture;
    if (expr) {
        EvalInContext(result, expr, m_machine, control);
        picture = QnCheckedCast<QnPicture>(QnValueOf(result), "Lodo40Doc", 209);
    }
    m_expr = expr;
    m_reduct = result;
    m_picture = picture;
    m_label = label;
    if (selection) {
        m_selection = *selection;
        m_selectionValue = MakeRgnValueExpr(m_selection);
    }
    if (update)
        fw::Document::UpdateAllViews(nullptr, hint, changed);
}

void CLodo40Doc::ApplyExpression(const PpQnExpr& expr, const QnRect* changed, const QnRgn* selection,
                                 const std::string& label, bool update, bool newRecord)
{
    const State old = CurrentState();
    SetPictureFromExpression(expr, changed, selection, label, update, &theEvalControl);
    m_source = nullptr;
    if (newRecord) {
        UndoRecord record{old.expr, changed ? *changed : QnRect{}, changed ? 0 : 1, old.source, old.selection,
                          old.label};
        m_undo.Push(std::move(record), old.reduct);
        ++m_stepsSinceSave;
    } else if (!m_undo.Empty() && !m_undo.Last().whole) {
        UndoRecord& top = m_undo.Last();
        if (!changed)
            top.whole = 1;
        else
            top.rect = QnExtendBox(top.rect, *changed);
    }
    m_redo.Clear();
    if (m_stepsSinceSave <= 0)
        m_savedReachable = 0;
    UpdateModified();
}

void CLodo40Doc::UpdateModified()
{
    SetModifiedFlag(!(m_savedReachable != 0 && m_stepsSinceSave == 0));
}

void CLodo40Doc::SetSelection(const QnRgn& region)
{
    m_selection = region;
    m_selectionValue = MakeRgnValueExpr(m_selection);
}

void CLodo40Doc::SetModifiedFlag(bool modified)
{
    std::string title = GetTitle();
    if (!title.empty()) {
        if (modified && title.back() != '*')
            SetTitle(title + "*");
        else if (!modified && title.back() == '*')
            SetTitle(title.substr(0, title.size() - 1));
    }
    modified_ = modified;
}

void CLodo40Doc::SetPathName(const std::string& path, bool addToRecentFiles)
{
    fw::Document::SetPathName(path, addToRecentFiles);
    SetModifiedFlag(modified_);
}

QnPoint CLodo40Doc::GetPictureSize() const
{
    if (!m_picture)
        return QnPoint{0, 0};
    const QnRect r = m_picture->GetRect(QnXFormXY());
    return QnPoint{r.right, r.bottom};
}

uint32_t CLodo40Doc::GetPixelColor(const QnPoint& p) const
{
    return m_picture ? GetRenderObjPixelColor(PpQnRenderObj(m_picture), p) : 0;
}

void CLodo40Doc::DrawPicture(DeviceContext& dc, const QnRgn* clip, int32_t x, int32_t y, const QnXFormXY& xf1,
                             const QnXFormXY& xf2, QnRenderProgress* progress, QnBlt* blt) const
{
    if (!m_picture)
        return;
    const QnRgn everything(QnRect{INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2});
    if (blt) {
        blt->Draw(dc, clip ? *clip : everything, PpQnRenderObj(m_picture), x, y, xf1, xf2, 0, progress);
        return;
    }
    QnBlt temporary(128, 128);
    temporary.Draw(dc, clip ? *clip : everything, PpQnRenderObj(m_picture), x, y, xf1, xf2, 0, progress);
}

std::vector<uint8_t> CLodo40Doc::RenderToDib()
{
    return m_picture ? RenderObjToDib(PpQnRenderObj(m_picture), 3) : std::vector<uint8_t>{};
}

std::vector<uint8_t> CLodo40Doc::RenderToNativeDib()
{
    if (!m_picture)
        return {};
    return RenderObjToDib(PpQnRenderObj(m_picture), m_picture->Type() == WA_RGB24 ? 3 : 1);
}

const fw::MessageMap* CLodo40Doc::GetMessageMap() const
{
    static const fw::MessageMap map = fw::MessageMap(fw::Document::GetMessageMap())
                                          .OnCommand(fw::ID_EDIT_UNDO, &CLodo40Doc::OnEditUndo)
                                          .OnCommand(fw::ID_EDIT_COPY, &CLodo40Doc::OnEditCopy)
                                          .OnUpdate(fw::ID_EDIT_UNDO, &CLodo40Doc::OnUpdateEditUndo)
                                          .OnCommand(fw::ID_EDIT_REDO, &CLodo40Doc::OnEditRedo)
                                          .OnUpdate(fw::ID_EDIT_REDO, &CLodo40Doc::OnUpdateEditRedo)
                                          .OnCommand(ID_EDIT_IMAGE_HISTORY, &CLodo40Doc::OnEditImageHistory)
                                          .OnCommand(ID_VIEW_PROPERTIES, &CLodo40Doc::OnPictureProperties)
                                          .OnCommand(ID_EDIT_SELECT_ALL, &CLodo40Doc::OnEditSelectAll)
                                          .OnCommand(ID_EDIT_SELECT_NONE, &CLodo40Doc::OnEditSelectNone)
                                          .OnCommand(ID_EDIT_SELECT_INVERT, &CLodo40Doc::OnEditSelectInvert)
                                          .OnCommand(ID_CONVERT_24BIT, &CLodo40Doc::OnConvertTo24Bit)
                                          .OnCommand(ID_CONVERT_GREY, &CLodo40Doc::OnConvertToGrey)
                                          .OnCommand(ID_CONVERT_MONO, &CLodo40Doc::OnConvertToMono)
                                          .OnCommand(ID_CONVERT_4BIT, &CLodo40Doc::OnConvertTo4Bit)
                                          .OnCommand(ID_CONVERT_8BIT, &CLodo40Doc::OnConvertTo8Bit)
                                          .OnUpdate(ID_CONVERT_24BIT, &CLodo40Doc::OnUpdateConvert)
                                          .OnUpdate(ID_CONVERT_GREY, &CLodo40Doc::OnUpdateConvert)
                                          .OnUpdate(ID_CONVERT_MONO, &CLodo40Doc::OnUpdateConvert)
                                          .OnUpdate(ID_CONVERT_4BIT, &CLodo40Doc::OnUpdateConvert)
                                          .OnUpdate(ID_CONVERT_8BIT, &CLodo40Doc::OnUpdateConvert)
                                          .OnCommand(ID_WIZARD_FRAMES, &CLodo40Doc::OnWizardFrames)
                                          .OnUpdate(ID_WIZARD_FRAMES, &CLodo40Doc::OnUpdateWizardFrames)
                                          .OnCommand(ID_PICTURE_RESAMPLE, &CLodo40Doc::OnPictureResample)
                                          .OnUpdate(ID_PICTURE_RESAMPLE, &CLodo40Doc::OnUpdatePictureOperation)
                                          .OnCommand(ID_PICTURE_RESIZE, &CLodo40Doc::OnPictureResize)
                                          .OnCommand(ID_PICTURE_ROTATE_FLIP, &CLodo40Doc::OnPictureRotateFlip)
                                          .OnUpdate(ID_PICTURE_ROTATE_FLIP, &CLodo40Doc::OnUpdatePictureOperation)
                                          .OnCommand(ID_PICTURE_STITCH, &CLodo40Doc::OnPictureStitch)
                                          .OnCommand(ID_PICTURE_CROP, &CLodo40Doc::OnPictureCrop)
                                          .OnUpdate(ID_PICTURE_CROP, &CLodo40Doc::OnUpdatePictureOperation)
                                          .OnCommand(ID_PICTURE_CLONE, &CLodo40Doc::OnPictureClone)
                                          .OnUpdate(ID_PICTURE_CLONE, &CLodo40Doc::OnUpdatePictureOperation)
                                          .OnCommand(ID_EDIT_PASTE_INTO_SELECTION, &CLodo40Doc::OnEditPasteIntoSelection)
                                          .OnUpdate(ID_EDIT_PASTE_INTO_SELECTION,
                                                    &CLodo40Doc::OnUpdatePasteIntoSelection)
                                          .OnCommandRange(ID_PLUGIN_FIRST, ID_PLUGIN_LAST, &CLodo40Doc::OnPlugInCommand)
                                          .OnUpdateRange(ID_PLUGIN_FIRST, ID_PLUGIN_LAST,
                                                         &CLodo40Doc::OnUpdatePlugInCommand)
                                          .OnCommand(fw::ID_FILE_SEND_MAIL, &CLodo40Doc::OnFileSendMail)
                                          .OnUpdate(fw::ID_FILE_SEND_MAIL, &CLodo40Doc::OnUpdateFileSendMail);
    static const fw::MessageMap withEffects = [] {
        fw::MessageMap effects(&map);
        for (const BuiltinEffectRange& r : kBuiltinEffectRanges)
            effects.OnCommandRange(r.first, r.last, &CLodo40Doc::OnBuiltinEffect)
                .OnUpdateRange(r.first, r.last, &CLodo40Doc::OnUpdateBuiltinEffect);
        return effects;
    }();
    return &withEffects;
}
