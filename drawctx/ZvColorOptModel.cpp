#include "drawctx/ZvColorOptModel.h"

#include "dither/ZvDither.h"
#include "drawctx/ZvColorRules.h"

#include <cerrno>
#include <cstdlib>

bool ZvIsValidOptionForType(int waType, const ZV_CDOPT& o)
{
    if (!o.direct)
        return ZvdIsValidOption(o.color, o.colors, o.flags) != 0;
    if (o.flags & ZV_DITHER_MASK)
        return false;
    switch (waType) {
    case 1: return o.colors == 2;
    case 2: return o.colors == 16;
    case 4:
    case 8: return o.colors == 256;
    default: return false;
    }
}

ZvColorOptModel::ZvColorOptModel(int waType, ZV_CDOPTFV& options, ZvIsFastProc isFast,
                                 ZvIsAvailableProc isAvailable, ZvUserProc changed, ZvUserProc help, intptr_t user)
    : waType_(waType), options_(options), isFast_(isFast), isAvailable_(isAvailable), changed_(changed),
      help_(help), user_(user), incoming_(options), applied_(options)
{
    for (int code = 1; code <= 16; ++code) {
        const ZvDepthRow* row = ZvDepthTableRow(code);
        if (ZvIsValidOptionForType(waType_, ZV_CDOPT(row->color, row->direct, row->most, row->kind)))
            depths_.push_back(code);
    }
    for (int i = int(depths_.size()) - 1; i >= 0; --i) {
        const ZvDepthRow* row = ZvDepthTableRow(depths_[size_t(i)]);
        if (row->direct == options_.direct && row->kind == options_.Kind() && row->least <= options_.colors &&
            options_.colors <= row->most) {
            depthSel_ = i;
            options_.colors = row->current;
            options_.color = row->color;
            break;
        }
    }
    // Options no depth describes take the last depth, as if it were chosen.
    if (depthSel_ < 0 && !depths_.empty())
        SelectDepth(int(depths_.size()) - 1);
    else
        BuildDithers();
    ClampColors();
}

void ZvColorOptModel::BuildDithers()
{
    dithers_.clear();
    ditherSel_ = -1;
    for (int i = 0; i <= 20; ++i) {
        ZV_CDOPT o = options_;
        o.flags = (o.flags & ~ZV_DITHER_MASK) | uint32_t(i * 8);
        if (ZvIsValidOptionForType(waType_, o))
            dithers_.push_back(i);
    }
    for (int i = int(dithers_.size()) - 1; i >= 0 && ditherSel_ < 0; --i)
        if (dithers_[size_t(i)] == options_.DitherIndex())
            ditherSel_ = i;
    if (ditherSel_ < 0 && !dithers_.empty())
        ditherSel_ = int(dithers_.size()) - 1;
    if (ditherSel_ >= 0)
        options_.flags = (options_.flags & ~ZV_DITHER_MASK) | uint32_t(dithers_[size_t(ditherSel_)] * 8);
}

void ZvColorOptModel::ClampColors()
{
    if (depthSel_ < 0)
        return;
    options_.colors = ZvSetDepthCurrent(depths_[size_t(depthSel_)], options_.colors);
}

bool ZvColorOptModel::ColorsEnabled() const
{
    if (depthSel_ < 0)
        return false;
    const ZvDepthRow* row = ZvDepthTableRow(depths_[size_t(depthSel_)]);
    return row->least != row->most;
}

bool ZvColorOptModel::FastViewEnabled() const { return isFast_ && isFast_(user_, waType_, options_) != 0; }

bool ZvColorOptModel::Result(int& supported, int& fast) const
{
    supported = 0;
    fast = 0;
    if (!isAvailable_ || !isAvailable_(user_, waType_, options_, supported))
        return false;
    fast = FastViewEnabled() ? 1 : 0;
    return true;
}

ZvColorOptModel::Icon ZvColorOptModel::ResultIcon() const
{
    int s, f;
    if (!Result(s, f))
        return IconFail;
    return !s || f ? IconAttention : IconOk;
}

int ZvColorOptModel::ResultMessage() const
{
    int s, f;
    if (!Result(s, f))
        return 570;
    if (s)
        return !f ? 568 : options_.fastView ? 573 : 574;
    return !f ? 569 : options_.fastView ? 571 : 572;
}

void ZvColorOptModel::SelectDepth(int entry)
{
    if (entry < 0 || entry >= int(depths_.size()))
        return;
    depthSel_ = entry;
    const ZvDepthRow* row = ZvDepthTableRow(depths_[size_t(entry)]);
    options_.color = row->color;
    options_.direct = row->direct;
    options_.colors = row->current;
    options_.flags = (options_.flags & ZV_DITHER_MASK) | row->kind;
    BuildDithers();
    ClampColors();
}

void ZvColorOptModel::SelectDither(int entry)
{
    if (entry < 0 || entry >= int(dithers_.size()))
        return;
    ditherSel_ = entry;
    const uint32_t code = uint32_t(dithers_[size_t(entry)] * 8);
    options_.flags = (options_.flags & ~0xFFu) | (options_.flags & ZV_KIND_MASK) | code;
}

bool ZvColorOptModel::SetColorsText(const std::string& text)
{
    if (depthSel_ < 0 || text.empty() || text[0] == '-')
        return false;
    char* end = nullptr;
    errno = 0;
    const unsigned long long n = std::strtoull(text.c_str(), &end, 10);
    if (errno || end == text.c_str() || *end != '\0')
        return false;
    const ZvDepthRow* row = ZvDepthTableRow(depths_[size_t(depthSel_)]);
    if (n < row->least || n > row->most)
        return false;
    options_.colors = ZvSetDepthCurrent(depths_[size_t(depthSel_)], uint32_t(n));
    return true;
}

void ZvColorOptModel::Apply()
{
    if (options_ == applied_)
        return;
    applied_ = options_;
    if (changed_)
        changed_(user_);
}

void ZvColorOptModel::Help()
{
    if (help_)
        help_(user_);
}

void ZvColorOptModel::Finish(bool ok)
{
    if (ok) {
        Apply();
        return;
    }
    // Cancel leaves the client's options as they came, applied or not.
    const bool seen = !(applied_ == incoming_);
    options_ = incoming_;
    if (seen && changed_)
        changed_(user_);
}
