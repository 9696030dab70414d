// What the monitor gamma dialog does, apart from its widgets: three values
// of 25..200 hundredths edited in the client's record with scroll bars and
// text boxes, each change shown through the client's preview and the
// picture control, and put back on Cancel.
#pragma once

#include "drawctx/ZvColorOptModel.h"
#include "drawctx/ZvOptions.h"

#include <functional>
#include <string>

class WA;

// Scroll bar codes, as the system numbers them.
enum : int {
    ZV_SB_LINELEFT = 0,
    ZV_SB_LINERIGHT = 1,
    ZV_SB_PAGELEFT = 2,
    ZV_SB_PAGERIGHT = 3,
    ZV_SB_THUMBPOSITION = 4,
    ZV_SB_THUMBTRACK = 5,
    ZV_SB_LEFT = 6,
    ZV_SB_RIGHT = 7,
    ZV_SB_ENDSCROLL = 8,
};

constexpr int ZV_GAMMA_MIN = 25;
constexpr int ZV_GAMMA_MAX = 200;

// "1.25" for 125.
std::string ZvGammaText(int value);
// The whole hundredths of a decimal number ("0.299" is 29); -1 when the
// text is not a number.
int ZvParseGamma(const std::string& text);

// The dialog's test picture from the library's "GAMMA" bitmap as a 24-bit
// picture (reference count 1), or null when it cannot be had.
WA* ZvLoadGammaPicture();

class ZvGammaModel {
public:
    // show is told of every value stored, to pass it on to the picture.
    ZvGammaModel(ZV_MG& gamma, ZvUserProc preview, ZvUserProc help, intptr_t user,
                 std::function<void(const ZV_MG&)> show);

    // channel 0 red, 1 green, 2 blue.
    int Value(int channel) const;
    const std::string& Text(int channel) const { return texts_[channel]; }
    bool HasHelp() const { return help_ != nullptr; }

    // A scroll bar code with the thumb's position for the thumb codes.
    void Scroll(int channel, int code, int thumb);
    // The text box of channel lost the focus with text in it.
    void EditDone(int channel, const std::string& text);
    void Help();
    // OK: 1 when a value differs from the initial ones. Cancel puts them
    // back (with a preview) and gives 0.
    int Finish(bool ok);

private:
    void Store(int channel, int value);
    int& Field(int channel);

    ZV_MG& gamma_;
    ZV_MG initial_;
    ZvUserProc preview_;
    ZvUserProc help_;
    intptr_t user_;
    std::function<void(const ZV_MG&)> show_;
    std::string texts_[3];
};
