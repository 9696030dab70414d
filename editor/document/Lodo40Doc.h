// The editor's picture document. It never edits pixels in place: its
// picture is an expression of the evaluation machine, and every edit is a
// new expression over the previous one, evaluated on the document's own
// machine and committed with an undo record. It keeps the undo and redo
// histories, the selection, and whether the saved state is still reachable,
// from which the modified flag follows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/document/UndoHistory.h"
#include "editor/loadable/ToolParams.h"
#include "editor/ui/LdBarDocument.h"
#include "framework/Document.h"
#include "lang/Expr.h"
#include "lang/LsmDsc.h"
#include "lang/MachineContext.h"
#include "picture/Picture.h"
#include "picture/SaveOptions.h"
#include "render/Rgn.h"
#include "render/XFormXY.h"

class CLdPaletteItem;
class FlRectPict;
class DeviceContext;
class HistoryDlg;
class QnBlt;
class QnEvalControl;
class QnRenderProgress;

// View-update hints the document sends.
enum LdUpdateHint : int64_t {
    kHintEdit = 1,       // an edit or a history step; the hint object is the changed QnRect or null
    kHintNewPicture = 2, // a new picture replaced the old one (New, Open, archive load)
    kHintSelection = 3,  // only the selection changed; the hint object is an empty QnRect
};

// The whole-picture selection commands.
enum class WholePictureCommand { All, None, Invert };
// The selection command makes of current on a picture of size.
QnRgn WholePictureSelection(WholePictureCommand command, const QnRgn& current, const QnPoint& size);

class CLodo40Doc : public fw::Document, public CLdBarDocument {
    FW_DECLARE_DYNCREATE(CLodo40Doc)

public:
    static constexpr uint32_t ID_EDIT_IMAGE_HISTORY = 32925;
    static constexpr uint32_t ID_VIEW_PROPERTIES = 32789;
    static constexpr uint32_t ID_EDIT_SELECT_ALL = 32842;
    static constexpr uint32_t ID_EDIT_SELECT_NONE = 32843;
    static constexpr uint32_t ID_EDIT_SELECT_INVERT = 32849;
    static constexpr uint32_t ID_CONVERT_MONO = 32795;
    static constexpr uint32_t ID_CONVERT_4BIT = 32796;
    static constexpr uint32_t ID_CONVERT_8BIT = 32797;
    static constexpr uint32_t ID_CONVERT_GREY = 32798;
    static constexpr uint32_t ID_CONVERT_24BIT = 32799;
    static constexpr uint32_t ID_WIZARD_FRAMES = 32866;
    static constexpr uint32_t ID_PICTURE_CROP = 32781;
    static constexpr uint32_t ID_EDIT_PASTE_INTO_SELECTION = 32862;
    static constexpr uint32_t ID_EDIT_SELECT = 32779;
    static constexpr uint32_t ID_PICTURE_STITCH = 32780;
    static constexpr uint32_t ID_PICTURE_ROTATE_FLIP = 32782;
    static constexpr uint32_t ID_PICTURE_RESAMPLE = 32800;
    static constexpr uint32_t ID_PICTURE_RESIZE = 32851;
    static constexpr uint32_t ID_PICTURE_CLONE = 32870;
    // The plug-in menu's commands, one a plug-in.
    static constexpr uint32_t ID_PLUGIN_FIRST = 10000;
    static constexpr uint32_t ID_PLUGIN_LAST = 20000;

    CLodo40Doc();
    ~CLodo40Doc() override;

    // Evaluation and commit.
    static PpQnExpr EvalInContext(PpQnExpr& result, const PpQnExpr& expr, QnMachineContext& machine,
                                  QnEvalControl* control);
    // Makes expr the current state without touching the history. Nothing
    // changes when the evaluation raises.
    void SetPictureFromExpression(const PpQnExpr& expr, const QnRect* changed, const QnRgn* selection,
                                  const std::string& label, bool update, QnEvalControl* control,
                                  int64_t hint = kHintEdit);
    // The commit of every edit: evaluates expr, then records the old state
    // (a new record, or merged into the top one) and clears the redo side.
    void ApplyExpression(const PpQnExpr& expr, const QnRect* changed, const QnRgn* selection,
                         const std::string& label, bool update, bool newRecord);
    void UpdateModified();
    // A copy of region becomes the selection (no history, no update).
    void SetSelection(const QnRgn& region) override;
    QnRgn GetSelection() const override { return m_selection; }
    const PpQnExpr& GetSelectionValue() const { return m_selectionValue; }

    // Picture access.
    QnPoint GetPictureSize() const;
    uint32_t GetPixelColor(const QnPoint& p) const;
    void DrawPicture(DeviceContext& dc, const QnRgn* clip, int32_t x, int32_t y, const QnXFormXY& xf1,
                     const QnXFormXY& xf2, QnRenderProgress* progress, QnBlt* blt) const;
    std::vector<uint8_t> RenderToDib() override;
    std::vector<uint8_t> RenderToNativeDib();
    const PpQnPicture& GetPicture() const { return m_picture; }
    // True from opening a picture shrunk (its full pixels not decoded, the
    // views drawing a reduced copy) until DecodeWaitingPixels.
    bool PixelsWaiting() const { return shownShrunk_; }
    // Decodes the full pixels if they still wait (anything that reads them
    // may have done so already) and has the views draw from them again. The
    // application calls it when idle; a failure (memory) is left to
    // whatever needs the pixels next, which reports it.
    void DecodeWaitingPixels();
    const PpQnExpr& GetExpression() const { return m_expr; }
    const std::string& GetLabel() const { return m_label; }
    const PpQnLsmDsc& GetSource() const { return m_source; }
    QnMachineContext& Machine() { return m_machine; }

    // History.
    void TrimUndoLists();
    // n > 0 undoes n steps, n < 0 redoes -n steps.
    void StepHistory(int n);
    const UndoHistory& UndoList() const { return m_undo; }
    const UndoHistory& RedoList() const { return m_redo; }
    // The lines of the Image History dialog, the current state's index in n.
    std::vector<std::string> HistoryLines() const;
    void OnEditUndo();
    void OnEditRedo();
    void OnEditImageHistory();
    void OnUpdateEditUndo(fw::CmdUI& ui);
    void OnUpdateEditRedo(fw::CmdUI& ui);
    static std::string HistoryLine(int number, const std::string& label);

    // Picture and Edit commands on the picture's type and the selection.
    // The lines the Picture properties dialog shows.
    std::vector<std::string> PropertyLines();
    void OnPictureProperties();
    void OnEditSelectAll();
    void OnEditSelectNone();
    void OnEditSelectInvert();
    void OnConvertTo24Bit();
    void OnConvertToGrey();
    void OnConvertToMono();
    void OnConvertTo4Bit();
    void OnConvertTo8Bit();
    // Enabled unless the picture already has the command's type.
    void OnUpdateConvert(fw::CmdUI& ui);
    // Wizard > Frames...: a frame and a mat round the picture.
    void OnWizardFrames();
    // Enabled for a colour or grey picture.
    void OnUpdateWizardFrames(fw::CmdUI& ui);

    // Edits of the painting tools, each one undo step; a stroke's segments
    // after its first (newRecord false) widen the step the first opened.
    // Failures end quietly with the document as it was.
    void PaintStroke(const CBrushParams& brush, const std::vector<QnPoint>& points, const QnPoint& start,
                     bool update, bool newRecord);
    void CloneStroke(const CBrushParams& brush, const std::vector<QnPoint>& points, CLodo40Doc* source,
                     int32_t dx, int32_t dy, bool update, bool newRecord);
    void FillAt(const CFillParams& params, const QnPoint& at);
    void AddText(const CTextParams& params, const QnPoint& at);
    // Edit > Copy: the selection's part of the picture to the clipboard.
    void OnEditCopy();
    // A tool of the tool palette applied inside the selection, one undo step
    // labelled with the tool's name; truecolour and grey pictures only.
    void ApplyPaletteItem(const CLdPaletteItem& item);
    // The selection's mask value the last edit kept.
    const PpQnExpr& ClipResult() const { return m_clipResult; }
    // Crop to the selection; without one, offers the selection command.
    void OnPictureCrop();
    // Makes the clone brush the current tool (a switch of the task bar).
    void OnPictureClone();
    // The clipboard's picture stretched into the selection.
    void OnEditPasteIntoSelection();
    // Enabled for colour and grey pictures.
    void OnUpdatePictureOperation(fw::CmdUI& ui);
    // Enabled for colour and grey pictures with a selection and a picture
    // on the clipboard.
    void OnUpdatePasteIntoSelection(fw::CmdUI& ui);
    // The effect commands: an effect module's filter over the selection.
    void OnBuiltinEffect(uint32_t id);
    void OnUpdateBuiltinEffect(fw::CmdUI& ui);
    // The selection's mask over the picture.
    PpQnExpr SelectionMaskExpr() const;
    // New size and resolution; Resample for colour and grey pictures only.
    void OnPictureResample();
    void OnPictureResize();
    // The whole picture, or the selected part when there is a selection.
    void OnPictureRotateFlip();
    // Two open pictures joined into a new document.
    void OnPictureStitch();
    // A plug-in of the plug-in menu run on the picture inside the selection,
    // labelled with the plug-in's name; a cancel or a failure of the
    // plug-in ends it quietly with the document as it was.
    void OnPlugInCommand(uint32_t id);
    // Enabled for colour and grey pictures.
    void OnUpdatePlugInCommand(fw::CmdUI& ui);
    // File > Send...: the picture as the attachment of a new mail.
    void OnFileSendMail();
    void OnUpdateFileSendMail(fw::CmdUI& ui);

    // Saved state.
    bool IsSavedReachable() const { return m_savedReachable != 0; }
    int32_t StepsSinceSave() const { return m_stepsSinceSave; }

    // Framework.
    // The file's name as the title, with the modified mark when it applies.
    void SetPathName(const std::string& path, bool addToRecentFiles = true) override;
    bool IsModified() override { return modified_; }
    void SetModifiedFlag(bool modified = true) override;
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    bool DoSave(const std::string& path, bool replace = true) override;
    void Serialize(fw::Archive& ar) override;
    const fw::MessageMap* GetMessageMap() const override;

    // CLdBarDocument
    bool UndoListEmpty() const override { return m_undo.Empty(); }
    bool RedoListEmpty() const override { return m_redo.Empty(); }
    int32_t PictureType() const override { return m_picture ? m_picture->Type() : 0; }
    void UpdateAllViews() override { fw::Document::UpdateAllViews(nullptr, kHintEdit, nullptr); }

private:
    struct State {
        PpQnExpr expr;
        PpQnExpr reduct;
        PpQnLsmDsc source;
        std::string label;
        QnRgn selection;
    };
    State CurrentState() const;
    void ApplyWholePictureSelection(WholePictureCommand command);
    // Commits function applied to the picture, labelled with command's menu
    // text; an error ends the command quietly with nothing changed.
    void ApplyConversion(const PpQnExpr& function, uint32_t command);
    void ConvertToPaletted(bool fourBit);
    void ResizeOrResample(int resample);
    void KeepClipResult(const PpQnExpr& clip);
    // Evaluates the answer of a tool's or a plug-in's built-in, commits the
    // picture it carries with the rectangle it changed under label, and
    // keeps the clip's value.
    void CommitToolAnswer(const PpQnExpr& answer, const PpQnExpr& clip, const std::string& label, bool update,
                          bool newRecord);
    // An effect's answer, evaluated and committed as one new undo step as
    // above when it changed a pixel. One that changed none records nothing
    // and answers false.
    bool CommitEffectAnswer(const PpQnExpr& answer, const PpQnExpr& clip, const std::string& label);
    // The commit of an answer already evaluated to value.
    void CommitAnswerValue(const PpQnExpr& answer, const FlRectPict& value, const PpQnExpr& clip,
                           const std::string& label, bool update, bool newRecord);
    // New and Open of a file: the load expression, converted when the user
    // wants a paletted picture as colour; whether the picture equals the file.
    PpQnExpr LoadFileExpr(const PpQnLsmDsc& descriptor, QnEvalControl* control, int line, bool& equalsFile);
    bool NewFromDialog(PpQnExpr& expr, std::string& label);
    // Another document of the template that has path, or null.
    CLodo40Doc* OtherDocumentNamed(const std::string& path) const;
    void ReadArchive(fw::Archive& ar);
    void WriteArchive(fw::Archive& ar);

    PpQnExpr m_expr;
    PpQnExpr m_reduct;
    PpQnPicture m_picture;
    PpQnLsmDsc m_source;
    std::string m_label;
    int32_t m_savedReachable = 0;
    int32_t m_stepsSinceSave = 0;
    int32_t m_opening = 0;
    int32_t m_fresh = 1;
    int32_t m_saving = 0;
    int32_t m_saveAs = 0;
    UndoHistory m_undo;
    UndoHistory m_redo;
    QnRgn m_selection;
    PpQnExpr m_selectionValue;
    PpQnExpr m_clipResult;
    QnMachineContext m_machine;
    QnSaveOptions m_saveOptions;
    bool modified_ = false;
    bool shownShrunk_ = false;
};
