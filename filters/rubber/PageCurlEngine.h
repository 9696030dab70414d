// The engine of Page curl: no displacement, but each output row computed
// from the input rows at, above and below it (PageCurl.h). The host gives
// those three rows and takes the output row one at a time, every source
// row sent three times at most; the preview is computed from its tile.
#pragma once

#include "filters/frame/DisplacementEngine.h"
#include "filters/rubber/SevenLongParams.h"

class PageCurlEngine : public DisplacementEngine {
public:
    // params stays the host's block: strength (index 0) and the curl type
    // (index 1, the block's size field).
    PageCurlEngine(FilterRecord* record, const SevenLongParams* params);

    void RunOnHost() override;
    void RunOnPreview(PreviewTile& tile) override;

private:
    // Asks for output row (of the work area) with its three input rows;
    // false when the run returned to the host.
    bool AskRow(int32_t row);

    const SevenLongParams* params_;
};
