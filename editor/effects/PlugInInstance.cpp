#include "editor/effects/PlugInInstance.h"

#include "base/QnExcept.h"
#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/effects/EffectModuleFolder.h"
#include "editor/effects/EffectStrings.h"
#include "editor/effects/FilterRun.h"
#include "editor/effects/HandleArchive.h"
#include "filters/sdk/PIHandles.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"

namespace {

constexpr const char* kFile = "PlugInInstance";

} // namespace

PlugInInstance::PlugInInstance(std::string module, std::string entry1, std::string entry2, intptr_t* dataWord)
    : QnFlVal(1), moduleName_(std::move(module)), entryName1_(std::move(entry1)), entryName2_(std::move(entry2)),
      dataWord_(dataWord)
{
}

PlugInInstance::PlugInInstance(std::string module, std::string entry1, std::string entry2, intptr_t* dataWord,
                               fw::Archive& archive)
    : PlugInInstance(std::move(module), std::move(entry1), std::move(entry2), dataWord)
{
    parameters_ = ReadHandleFromArchive(archive);
    askParameters_ = 0;
}

PlugInInstance::PlugInInstance(const PlugInInstance& other)
    : QnFlVal(other), moduleName_(other.moduleName_), entryName1_(other.entryName1_),
      entryName2_(other.entryName2_), dataWord_(other.dataWord_),
      parameters_(other.parameters_ ? DuplicateHandleChecked(other.parameters_) : nullptr)
{
}

PlugInInstance::~PlugInInstance()
{
    Unload();
    // A block the module left unusable is not ours to free twice.
    if (parameters_)
        FreeHostHandle(parameters_);
}

void PlugInInstance::StoreParameters(fw::Archive& archive) const
{
    WriteHandleToArchive(parameters_, archive);
}

void PlugInInstance::Load()
{
    std::lock_guard guard(lock_);
    if (module_.IsLoaded())
        return;
    entry1_ = entry2_ = nullptr;
    if (!module_.Load(ResolveEffectModule(moduleName_))) {
        const std::string text = EffectString(IDS_CANT_LOAD_DLL) + ": " + moduleName_;
        QnExcept(text.c_str(), kFile, __LINE__).raise();
    }
    entry1_ = module_.Entry<void(int16_t, FilterRecord*, intptr_t*, int16_t*)>(entryName1_.c_str());
    entry2_ = module_.Entry<void(int16_t, FilterRecord*, intptr_t*, int16_t*)>(entryName2_.c_str());
    if (!entry1_ || !entry2_) {
        const std::string text = EffectString(IDS_CANT_FIND_ENTRYPOINT) + ": " + moduleName_ + " " +
                                 (entry1_ ? entryName2_ : entryName1_);
        QnExcept(text.c_str(), kFile, __LINE__).raise();
    }
}

void PlugInInstance::Unload()
{
    std::lock_guard guard(lock_);
    module_.Unload();
    entry1_ = entry2_ = nullptr;
}

PpQnExpr PlugInInstance::Run(const PpQnPicture& picture, const PpQnRenderObj& mask, uint32_t foreground,
                             uint32_t background, QnEvalControl* control)
{
    return FilterRun::Execute(*this, picture, mask, foreground, background, control);
}

PpPlugInInstance MakePlugInInstance(const std::string& module, const std::string& entry1, const std::string& entry2,
                                    intptr_t* dataWord)
{
    return QnCreate<PlugInInstance>(module, entry1, entry2, dataWord);
}

PpPlugInInstance MakePlugInInstance(const std::string& module, const std::string& entry1, const std::string& entry2,
                                    intptr_t* dataWord, fw::Archive& archive)
{
    return QnCreate<PlugInInstance>(module, entry1, entry2, dataWord, archive);
}

PpPlugInInstance CopyPlugInInstance(const PlugInInstance& other) { return QnCreate<PlugInInstance>(other); }

PpQnExpr RunEffectModuleFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpPlugInInstance instance = QnCheckedCast<PlugInInstance>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const PpQnPicture picture = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(2)), kFile, __LINE__);
    const PpQnRenderObj mask = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(3)), kFile, __LINE__);
    const int32_t foreground = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(4)), kFile, __LINE__)->Value();
    const int32_t background = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(5)), kFile, __LINE__)->Value();
    return instance->Run(picture, mask, uint32_t(foreground), uint32_t(background), control);
}

PpQnExpr MakeRunEffectModuleExpr(const PpPlugInInstance& instance, const PpQnExpr& picture, const PpQnExpr& mask,
                                 uint32_t foreground, uint32_t background)
{
    static BuiltinSlot slot(RunEffectModuleFunction, 5);
    PpQnExpr e(slot.Id(), -1);
    e = PpQnExpr(e, PpQnExpr(PpQnFlVal(instance)));
    e = PpQnExpr(e, picture);
    e = PpQnExpr(e, mask);
    e = PpQnExpr(e, PpQnExpr(PpQnFlVal(int32_t(foreground))));
    e = PpQnExpr(e, PpQnExpr(PpQnFlVal(int32_t(background))));
    return e;
}
