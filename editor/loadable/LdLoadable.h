// Base of the task and tool classes that the editor loads from modules. The
// editor and the modules build objects of the same classes (this library is
// shared by both), and the editor drives every object only through the
// virtual operations below, so their order and the order of the fields are
// a fixed contract with every module: add nothing in between, only after.
//
// Fields, in order: resource module, short name, title id, tool-tip id,
// comment id, bitmap id, help id, tool names.
//
// Virtual slots, after those of fw::Object (destructor, GetRuntimeClass,
// Serialize), in order:
//   Execute, IsSequence, AcceptsAnyPicture, ShowComment, GetHelpId,
//   WantsPicture, NeedsDocument, SetPicture, SetParams
// and, for CLdTool only, CreateOptionsPanel after them.
//
// Two slots go by two names among the editor's and the modules' writers;
// only one name of each is declared, so that neither can be mistaken:
//   WantsPicture  (also called NeedsPicture on the editor's side): 1 = hand
//                 the current picture over through SetPicture first.
//   NeedsDocument (also called NeedsPicture on the modules' side): 1 = the
//                 button is disabled while no picture window is open.
// IsGuided is the modules' name of IsSequence.
//
// Actions answer 0 when their work is done and 1 when the editor should make
// the object current.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Object.h"

class QWidget;
class CLdModule;

class CLdLoadable : public fw::Object {
    FW_DECLARE_DYNCREATE(CLdLoadable)

public:
    // Most entries a settings list gives a task; a larger count is taken as
    // damage, not as a list to read key by key.
    static constexpr int32_t kMaxToolNames = 1024;
    // Strings of an entry are cut to this many characters.
    static constexpr size_t kMaxStringLength = 127;

    // Empty name and list (the base classes are creatable through their
    // records, though the editor never makes one).
    CLdLoadable();
    // Copies the six values and reads the tool list from the settings of the
    // current application. Asks for no string: the module is set later.
    CLdLoadable(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId,
                int32_t helpId);
    ~CLdLoadable() override;

    // 1: open this entry on the bar; 0: the entry did its work itself.
    virtual int Execute();
    // Nonzero: the bar offers the tool list one entry after another.
    virtual int IsSequence();
    // Nonzero: stays enabled for pictures that are neither truecolour nor
    // grey.
    virtual int AcceptsAnyPicture();
    // The comment string into the window text of box.
    virtual void ShowComment(QWidget* box);
    virtual int GetHelpId();
    // Nonzero: the editor hands the current picture over through SetPicture
    // before Execute.
    virtual int WantsPicture();
    // Nonzero: disabled while no picture window is open.
    virtual int NeedsDocument();
    // The current picture as a packed DIB, or null and 0; the block stays
    // the editor's, which frees it after Execute returns.
    virtual void SetPicture(void* dib, uint32_t size);
    // The editor's parameter object of the tool; it stays the editor's.
    virtual void SetParams(fw::Object* params);

    int IsGuided() { return IsSequence(); }

    // Set by the editor right after creating the object; null until then.
    void SetModule(const CLdModule* module) { module_ = module; }
    const CLdModule* GetModule() const { return module_; }

    std::string GetName() const { return name_; }
    int32_t GetTitleId() const { return titleId_; }
    int32_t GetToolTipId() const { return tipId_; }
    int32_t GetCommentId() const { return commentId_; }
    int32_t GetBitmapId() const { return bitmapId_; }
    // Short names of the entries (stages, sub-tasks or tools), in order.
    const std::vector<std::string>& GetToolNames() const { return toolNames_; }

    // String id from the resource module, cut to 127 characters; empty when
    // the id or the module is missing.
    std::string LoadResString(int32_t id) const;
    std::string GetTitle() const { return LoadResString(titleId_); }
    std::string GetToolTip() const { return LoadResString(tipId_); }
    std::string GetComment() const { return LoadResString(commentId_); }
    // The button's bitmap (a packed DIB) from the resource module; empty when
    // missing.
    std::vector<uint8_t> LoadButtonBitmap() const;

protected:
    // Section = the short name: "tools" = count, "tool%i" = names (empty
    // ones too), from the settings of the current application.
    void LoadToolList();

    const CLdModule* module_ = nullptr;
    std::string name_;
    int32_t titleId_ = 0;
    int32_t tipId_ = 0;
    int32_t commentId_ = 0;
    int32_t bitmapId_ = 0;
    int32_t helpId_ = 0;
    std::vector<std::string> toolNames_;
};
