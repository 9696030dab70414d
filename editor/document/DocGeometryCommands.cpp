// The commands that change the picture's size or orientation through a
// dialog: Resample, Resize, Rotate&Flip (of the whole picture or of the
// selection), and Stitch, which opens the joined picture as a new document.
// Each builds its expression over the current one, labelled with the
// command's menu text, and commits it with its undo step.
#include <memory>
#include <vector>

#include "editor/builtins/CheckedCast.h"
#include "editor/document/DocErrors.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/operations/PictureExprBuilders.h"
#include "editor/ui/EvalControl.h"
#include "editor/ui/ResizeDlg.h"
#include "editor/ui/RotateFlipDlg.h"
#include "editor/ui/RotateFlipSelDlg.h"
#include "editor/ui/StitchDlg.h"
#include "framework/CommandIds.h"
#include "framework/MessageBox.h"
#include "lang/ValueExpr.h"

namespace {

bool IsColourOrGrey(int type) { return type == WA_RGB24 || type == WA_GRAY; }

}  // namespace

void CLodo40Doc::ResizeOrResample(int resample)
{
    if (!m_picture || (resample && !IsColourOrGrey(PictureType())))
        return;
    LdRunEdit([&] {
        const QnPoint size = GetPictureSize();
        ResizeDlg dialog(size.x, size.y, m_picture->GetHRes(), m_picture->GetVRes(), resample,
                         LdDocumentHost().MainWidget());
        if (dialog.DoModal() != fw::IDOK)
            return;
        const bool sameSize = dialog.width == size.x && dialog.height == size.y;
        if (sameSize && dialog.hRes == m_picture->GetHRes() && dialog.vRes == m_picture->GetVRes()) {
            LdNothingToDo();
            return;
        }
        const PpQnExpr expr = MakeResizeExpr(m_expr, dialog.width, dialog.height, dialog.hRes, dialog.vRes, resample);
        const std::string label = LdDocumentHost().MenuCommandText(resample ? ID_PICTURE_RESAMPLE : ID_PICTURE_RESIZE);
        if (sameSize) {
            // Only the resolution changed: no pixel did.
            const QnRect nothing{};
            ApplyExpression(expr, &nothing, nullptr, label, true, true);
            return;
        }
        const QnRgn dropped;
        ApplyExpression(expr, nullptr, &dropped, label, true, true);
        m_clipResult = PpQnExpr();
    });
}

void CLodo40Doc::OnPictureResample() { ResizeOrResample(1); }
void CLodo40Doc::OnPictureResize() { ResizeOrResample(0); }

void CLodo40Doc::OnPictureRotateFlip()
{
    if (!IsColourOrGrey(PictureType()))
        return;
    LdRunEdit([&] {
        const bool interpolation = IsColourOrGrey(PictureType());
        const bool selected = !m_selection.box().IsEmpty();
        PpQnExpr mask;
        std::unique_ptr<RotateFlipBase> dialog;
        if (selected) {
            mask = SelectionMaskExpr();
            PpQnExpr value;
            EvalInContext(value, mask, m_machine, &theEvalControl);
            const PpQnRenderObj maskObj = QnCheckedCast<QnRenderObj>(QnValueOf(value), "Lodo40Doc", __LINE__);
            dialog = std::make_unique<RotateFlipSelDlg>(PpQnRenderObj(m_picture), maskObj, interpolation,
                                                         LdDocumentHost().MainWidget());
        } else {
            dialog = std::make_unique<RotateFlipDlg>(PpQnRenderObj(m_picture), LdDocumentHost().Background(),
                                                      interpolation, LdDocumentHost().MainWidget());
        }
        if (dialog->DoModal() != fw::IDOK)
            return;
        const long angle = ReduceAngle(dialog->angle);
        if (angle == 0 && !dialog->flipHorizontally && !dialog->flipVertically) {
            LdNothingToDo();
            return;
        }
        const PpQnExpr expr =
            selected ? PpQnExpr(PpQnExpr(MakeRotateSelectionExpr(angle, dialog->flipHorizontally,
                                                                 dialog->flipVertically, dialog->interpolate),
                                         m_expr),
                                mask)
                     : PpQnExpr(MakeRotateExpr(angle, long(LdDocumentHost().Background()), dialog->flipHorizontally,
                                               dialog->flipVertically, dialog->interpolate),
                                m_expr);
        const QnRgn dropped;
        ApplyExpression(expr, nullptr, &dropped, LdDocumentHost().MenuCommandText(ID_PICTURE_ROTATE_FLIP), true, true);
    });
}

void CLodo40Doc::OnPictureStitch()
{
    CLdDocumentHost& host = LdDocumentHost();
    LdRunEdit([&] {
        const std::vector<CLodo40Doc*> documents = host.OpenPictures();
        CLodo40Doc* const active = host.ActivePicture();
        std::vector<StitchPicture> pictures;
        int activeIndex = -1;
        for (CLodo40Doc* doc : documents) {
            if (doc == active)
                activeIndex = int(pictures.size());
            pictures.push_back({doc->GetTitle(), PpQnRenderObj(doc->GetPicture())});
        }
        StitchDlg dialog(std::move(pictures), activeIndex, nullptr);
        if (dialog.DoModal() != fw::IDOK || !dialog.HasBoth())
            return;
        const CLodo40Doc* lower = documents[size_t(dialog.lowerIndex)];
        const CLodo40Doc* upper = documents[size_t(dialog.upperIndex)];
        NewDocumentRequest& request = host.NewRequest();
        request.mode = NewDocumentRequest::Expression;
        request.expr = MakeStitchExpr(lower->m_expr, upper->m_expr, dialog.xShift, dialog.yShift, dialog.transparency,
                                      long(host.Background()));
        // The request is the new document's only while File > New runs,
        // also when making the document fails.
        struct ResetRequest {
            NewDocumentRequest& request;
            ~ResetRequest() { request = NewDocumentRequest{}; }
        } reset{request};
        host.SendCommand(fw::ID_FILE_NEW);
    });
}
