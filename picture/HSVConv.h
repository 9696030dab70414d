// The hue-saturation-value converters, both carrying the source's alpha.
#pragma once

#include "picture/SingleConverter.h"

class Converter_ToHSVA : public QnSingleConverter {
public:
    PpQnRenderObj ConvertRender(const PpQnRenderObj& source) override;
    PpQnPixConverter GetInverse(int how) override;
};

class Converter_FromHSVA : public QnSingleConverter {
public:
    PpQnRenderObj ConvertRender(const PpQnRenderObj& source) override;
    PpQnPixConverter GetInverse(int how) override;
};
