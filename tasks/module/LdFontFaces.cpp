#include "tasks/module/LdFontFaces.h"

#include <algorithm>

void LdInsertFace(std::vector<std::string>& faces, const std::string& name)
{
    // std::string compares as unsigned bytes, never by locale.
    faces.insert(std::upper_bound(faces.begin(), faces.end(), name), name);
}

int32_t LdSampleFontHeight(int32_t boxWidth, int32_t measuredWidth, int32_t measuredHeight)
{
    if (measuredWidth <= 0 || boxWidth <= 0)
        return 0;
    const int64_t factor = (int64_t(2) * boxWidth) / (int64_t(3) * measuredWidth);
    return static_cast<int32_t>(std::min<int64_t>(factor * measuredHeight, INT32_MAX));
}
