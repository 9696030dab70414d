// One effect of an effect module as a value of the expression language: the
// module file, the entry that is called, a second entry that must exist, the
// effect's data word, and the parameter block the module chose in its
// dialog. The value is unique and keeps the block after its first run, so
// evaluating the same expression again (after an undo, or when a cache was
// dropped) replays the effect with the same settings and no dialog.
#pragma once

#include "filters/sdk/PIFilter.h"
#include "lang/Expr.h"
#include "lang/FlVal.h"
#include "picture/Picture.h"
#include "platform/Module.h"
#include "render/RenderObj.h"

#include <cstdint>
#include <mutex>
#include <string>

class QnEvalControl;

namespace fw {
class Archive;
}

class PlugInInstance : public QnFlVal {
public:
    ~PlugInInstance() override;

    const std::string& ModuleName() const { return moduleName_; }
    const std::string& EntryName1() const { return entryName1_; }
    const std::string& EntryName2() const { return entryName2_; }
    intptr_t* DataWord() const { return dataWord_; }
    Handle Parameters() const { return parameters_; }
    bool AsksParameters() const { return askParameters_ != 0; }
    bool IsLoaded() const { return module_.IsLoaded(); }

    // The parameter block: 32-bit size, then the bytes.
    void StoreParameters(fw::Archive& archive) const;

    // Loads the module and finds both entries: "Can't load DLL" or "Can't
    // find entrypoint" otherwise (the module then stays loaded until
    // Unload).
    void Load();
    void Unload();

    // Runs the effect on picture inside mask: the value expression of an
    // FlRectPict of the new picture and the rectangle that changed. Colours
    // are 0x00BBGGRR; control may be null.
    PpQnExpr Run(const PpQnPicture& picture, const PpQnRenderObj& mask, uint32_t foreground, uint32_t background,
                 QnEvalControl* control);
    // The end of a run, failed ones included: the block the record holds
    // now (the module may have made or changed it) is the instance's, and
    // the next run does not ask.
    void EndRun(Handle parameters)
    {
        parameters_ = parameters;
        askParameters_ = 0;
    }

protected:
    friend struct ::QnObjCreator;
    friend class FilterRun;
    PlugInInstance(std::string module, std::string entry1, std::string entry2, intptr_t* dataWord);
    // With the stored parameter block read from archive; does not ask.
    PlugInInstance(std::string module, std::string entry1, std::string entry2, intptr_t* dataWord,
                   fw::Archive& archive);
    // Copies names, data word and a copy of the block; asks again.
    PlugInInstance(const PlugInInstance& other);

private:
    std::string moduleName_;
    std::string entryName1_;
    std::string entryName2_;
    intptr_t* dataWord_;
    std::recursive_mutex lock_;
    platform::Module module_;
    PIFilterEntry entry1_ = nullptr;
    PIFilterEntry entry2_ = nullptr;
    Handle parameters_ = nullptr;
    int32_t askParameters_ = 1;
};

using PpPlugInInstance = QnPp<PlugInInstance>;
PpPlugInInstance MakePlugInInstance(const std::string& module, const std::string& entry1, const std::string& entry2,
                                    intptr_t* dataWord);
PpPlugInInstance MakePlugInInstance(const std::string& module, const std::string& entry1, const std::string& entry2,
                                    intptr_t* dataWord, fw::Archive& archive);

// A copy with the same module, entries, data word and parameters that asks
// for the parameters again on its next run.
PpPlugInInstance CopyPlugInInstance(const PlugInInstance& other);

// The run of instance on picture within mask with two colours (0x00BBGGRR),
// as an expression: it evaluates to an FlRectPict.
PpQnExpr MakeRunEffectModuleExpr(const PpPlugInInstance& instance, const PpQnExpr& picture, const PpQnExpr& mask,
                                 uint32_t foreground, uint32_t background);
// The built-in behind it (arity 5).
PpQnExpr RunEffectModuleFunction(QnMachineContext& m, int n, QnEvalControl* control);
