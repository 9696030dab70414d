// The four grey converters: colour to grey and back, without alpha (the
// way back makes it from the rectangle) and with the source's alpha.
#pragma once

#include "picture/SingleConverter.h"

class Converter_ToGray : public QnSingleConverter {
public:
    PpQnRenderObj ConvertRender(const PpQnRenderObj& source) override;
    PpQnPixConverter GetInverse(int how) override;
};

class Converter_FromGray : public QnSingleConverter {
public:
    PpQnRenderObj ConvertRender(const PpQnRenderObj& source) override;
    PpQnPixConverter GetInverse(int how) override;
};

class Converter_ToGrayA : public QnSingleConverter {
public:
    PpQnRenderObj ConvertRender(const PpQnRenderObj& source) override;
    PpQnPixConverter GetInverse(int how) override;
};

class Converter_FromGrayA : public QnSingleConverter {
public:
    PpQnRenderObj ConvertRender(const PpQnRenderObj& source) override;
    PpQnPixConverter GetInverse(int how) override;
};
