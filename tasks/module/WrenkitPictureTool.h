// What the wizard tools that work on the editor's picture have in common:
// they ask for it before they run, are disabled without a picture window,
// and keep the block handed over (the editor's, valid until their action
// returns). No run-time record of its own: each tool's record names
// CLdTool as its base, the class the editor looks for.
#pragma once

#include "editor/loadable/LdTool.h"

class CWrenkitPictureTool : public CLdTool {
public:
    int WantsPicture() override { return 1; }
    int NeedsDocument() override { return 1; }
    void SetPicture(void* dib, uint32_t size) override
    {
        dib_ = dib;
        dibSize_ = size;
    }

    bool HasPicture() const { return dib_ && dibSize_; }

protected:
    CWrenkitPictureTool(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId,
                        int32_t helpId)
        : CLdTool(std::move(name), titleId, tipId, commentId, bitmapId, helpId)
    {
    }

    void* dib_ = nullptr;
    uint32_t dibSize_ = 0;
};
