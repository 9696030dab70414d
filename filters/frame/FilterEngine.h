// What the frame asks of a filter's engine: filtering the host's picture
// band by band (resumed by further Continue calls when the host delivers
// bands itself) and filtering the preview tile.
#pragma once

class PreviewTile;

class FilterEngine {
public:
    virtual ~FilterEngine() = default;

    // Filters the filter area on the host; leaves failures, a user abort or
    // a deferred band in the module state and returns to the host.
    virtual void RunOnHost() = 0;
    // Filters the tile's unfiltered copy into its working copy.
    virtual void RunOnPreview(PreviewTile& tile) = 0;

    // Set by the dispatcher before every host run.
    bool running = false;
};
