// What the colour/dither options dialog shows and does, apart from its
// widgets: the depth and dithering lists valid for the picture type, the
// number of colours, the fast-view choice and the result line, and the
// client's options edited in place with Apply, OK and Cancel.
#pragma once

#include "drawctx/ZvOptions.h"

#include <cstdint>
#include <string>
#include <vector>

// The client's callbacks; user comes back as the first argument.
using ZvIsFastProc = int (*)(intptr_t user, int waType, const ZV_CDOPT& options);
using ZvIsAvailableProc = int (*)(intptr_t user, int waType, const ZV_CDOPT& options, int& supported);
using ZvUserProc = void (*)(intptr_t user);

// Whether options can be asked for a picture of waType at all: a direct
// option shows the picture's own colours (2, 16 or 256) without dithering,
// any other must be one the dithering library accepts.
bool ZvIsValidOptionForType(int waType, const ZV_CDOPT& options);

class ZvColorOptModel {
public:
    enum Icon { IconOk, IconAttention, IconFail };

    // Settles the options on the depth and dithering the lists select.
    ZvColorOptModel(int waType, ZV_CDOPTFV& options, ZvIsFastProc isFast, ZvIsAvailableProc isAvailable,
                    ZvUserProc changed, ZvUserProc help, intptr_t user);

    // Depth codes (1..16) in list order and the selected entry.
    const std::vector<int>& Depths() const { return depths_; }
    int DepthSelection() const { return depthSel_; }
    // Dithering indices (0..20) in list order and the selected entry.
    const std::vector<int>& Dithers() const { return dithers_; }
    int DitherSelection() const { return ditherSel_; }

    bool FastViewEnabled() const;
    bool OkEnabled() const { return ZvIsValidOptionForType(waType_, options_); }
    bool ColorsEnabled() const;
    bool HasHelp() const { return help_ != nullptr; }
    const ZV_CDOPTFV& Options() const { return options_; }

    // The result line: its icon and the id of its text.
    Icon ResultIcon() const;
    int ResultMessage() const;

    void SelectDepth(int entry);
    void SelectDither(int entry);
    // The typed number of colours; false (nothing stored) when it does not
    // parse or lies outside the depth's range.
    bool SetColorsText(const std::string& text);
    void SetFastView(bool on) { options_.fastView = on ? 1 : 0; }
    void Apply();
    void Help();
    // After the dialog: OK tells the client of what it has not seen yet;
    // Cancel puts the incoming options back and tells the client when it
    // had seen others.
    void Finish(bool ok);

private:
    void BuildDithers();
    // The colours clamped into the depth's range, kept as its current value.
    void ClampColors();
    bool Result(int& supported, int& fast) const;

    int waType_;
    ZV_CDOPTFV& options_;
    ZvIsFastProc isFast_;
    ZvIsAvailableProc isAvailable_;
    ZvUserProc changed_;
    ZvUserProc help_;
    intptr_t user_;
    ZV_CDOPTFV incoming_;
    ZV_CDOPTFV applied_;
    std::vector<int> depths_;
    std::vector<int> dithers_;
    int depthSel_ = -1;
    int ditherSel_ = -1;
};
