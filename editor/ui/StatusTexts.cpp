#include "editor/ui/StatusTexts.h"

#include "editor/ui/PictureViewProbe.h"

#include <cstdio>

namespace {

template <class... Args>
std::string Printed(const char* pattern, Args... args)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

}  // namespace

LdStatusTexts LdStatusTexts::For(const std::optional<LdPictureSample>& sample)
{
    LdStatusTexts texts;
    if (!sample)
        return texts;
    texts.position = Printed("x=%4i, y=%4i", int(sample->at.x), int(sample->at.y));
    texts.colour = Printed("R=%3i, G=%3i, B=%3i", int(platform::GetRValue(sample->colour)),
                           int(platform::GetGValue(sample->colour)), int(platform::GetBValue(sample->colour)));
    // Rounded to the nearest percent, in 64 bits so that a large numerator
    // cannot wrap.
    const int64_t den = sample->scaleDen ? int64_t(sample->scaleDen) : 1;
    const int64_t percent = (int64_t(sample->scaleNum) * 100 + den / 2) / den;
    texts.zoom = Printed("%4lld%%", static_cast<long long>(percent));
    return texts;
}

std::optional<LdPictureSample> LdSampleView(const CLdPictureViewProbe& view, const QPoint& screenPoint)
{
    if (!view.HitTestClient(screenPoint))
        return std::nullopt;
    LdPictureSample sample;
    sample.at = view.ScreenToPicture(screenPoint);
    sample.colour = view.GetPixelColor(sample.at);
    const QnXForm x = view.GetViewXForm().GetXFactor();
    sample.scaleNum = x.anum();
    sample.scaleDen = x.den();
    return sample;
}
