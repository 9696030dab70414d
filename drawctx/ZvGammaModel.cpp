#include "drawctx/ZvGammaModel.h"

#include "drawctx/ZvLibraryResources.h"
#include "drawctx/zvwa/WA.h"
#include "platform/Dib.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

std::string ZvGammaText(int value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", value / 100, value % 100);
    return text;
}

int ZvParseGamma(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(uint8_t(text[i])))
        ++i;
    int64_t whole = 0;
    bool digits = false;
    for (; i < text.size() && std::isdigit(uint8_t(text[i])); ++i, digits = true)
        whole = std::min<int64_t>(whole * 10 + (text[i] - '0'), 1000000);
    int fraction = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        // Two digits count; any further ones are dropped.
        for (int n = 0; n < 2; ++n, ++i) {
            fraction *= 10;
            if (i < text.size() && std::isdigit(uint8_t(text[i]))) {
                fraction += text[i] - '0';
                digits = true;
            }
        }
    }
    return digits ? int(std::min<int64_t>(whole * 100 + fraction, 100000000)) : -1;
}

WA* ZvLoadGammaPicture()
{
    const auto bytes = ZvLibraryLangResources().FindResource("GAMMA", platform::ResourceType::Bitmap);
    if (!bytes)
        return nullptr;
    std::string error;
    const auto layout = platform::ReadDibLayout(*bytes, &error);
    if (!layout || layout->header.biBitCount != 24 || layout->header.biCompression != 0 || layout->topDown)
        return nullptr;
    const int32_t width = layout->header.biWidth;
    const int32_t height = layout->height;
    const uint64_t rowBytes = platform::DibRowBytes(uint64_t(width), 24);
    if (width <= 0 || layout->bitsOffset + rowBytes * uint64_t(height) > bytes->size())
        return nullptr;
    WA* wa = nullptr;
    try {
        wa = new WA(WA_TYPE_RGB, width, height, static_cast<char*>(nullptr));
    } catch (...) {
        return nullptr;
    }
    // Both are bottom-up: rows go over in their stored order.
    for (int32_t y = 0; y < height; ++y)
        std::memcpy(wa->Row(y), bytes->data() + layout->bitsOffset + rowBytes * uint64_t(y), size_t(width) * 3);
    return wa;
}

ZvGammaModel::ZvGammaModel(ZV_MG& gamma, ZvUserProc preview, ZvUserProc help, intptr_t user,
                           std::function<void(const ZV_MG&)> show)
    : gamma_(gamma), initial_(gamma), preview_(preview), help_(help), user_(user), show_(std::move(show))
{
    for (int c = 0; c < 3; ++c)
        texts_[c] = ZvGammaText(Value(c));
}

int& ZvGammaModel::Field(int channel)
{
    return channel == 0 ? gamma_.red : channel == 1 ? gamma_.green : gamma_.blue;
}

int ZvGammaModel::Value(int channel) const { return const_cast<ZvGammaModel*>(this)->Field(channel); }

void ZvGammaModel::Store(int channel, int value)
{
    Field(channel) = value;
    if (preview_)
        preview_(user_);
    if (show_)
        show_(gamma_);
}

void ZvGammaModel::Scroll(int channel, int code, int thumb)
{
    if (channel < 0 || channel > 2)
        return;
    const int current = Value(channel);
    int value = current;
    switch (code) {
    case ZV_SB_LINELEFT: value = current - 1; break;
    case ZV_SB_LINERIGHT: value = current + 1; break;
    case ZV_SB_PAGELEFT: value = current - 10; break;
    case ZV_SB_PAGERIGHT: value = current + 10; break;
    case ZV_SB_THUMBPOSITION:
    case ZV_SB_THUMBTRACK: value = thumb; break;
    case ZV_SB_LEFT: value = ZV_GAMMA_MIN; break;
    case ZV_SB_RIGHT: value = ZV_GAMMA_MAX; break;
    default: break;
    }
    value = std::clamp(value, ZV_GAMMA_MIN, ZV_GAMMA_MAX);
    // The ends are stored too: the bar stands there, so the value must.
    if (code != ZV_SB_THUMBTRACK && code >= ZV_SB_LINELEFT && code <= ZV_SB_RIGHT)
        Store(channel, value);
    texts_[channel] = ZvGammaText(value);
}

void ZvGammaModel::EditDone(int channel, const std::string& text)
{
    if (channel < 0 || channel > 2)
        return;
    const int value = ZvParseGamma(text);
    const bool inRange = value >= ZV_GAMMA_MIN && value <= ZV_GAMMA_MAX;
    if (inRange)
        Store(channel, value);
    texts_[channel] = ZvGammaText(Value(channel));
}

void ZvGammaModel::Help()
{
    if (help_)
        help_(user_);
}

int ZvGammaModel::Finish(bool ok)
{
    const bool differs = !(gamma_ == initial_);
    if (ok)
        return differs ? 1 : 0;
    if (differs) {
        gamma_ = initial_;
        if (preview_)
            preview_(user_);
        if (show_)
            show_(gamma_);
    }
    for (int c = 0; c < 3; ++c)
        texts_[c] = ZvGammaText(Value(c));
    return 0;
}
