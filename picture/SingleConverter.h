// The base of the six static converters: registered with the collector and
// locked once, so they are never reclaimed; the same only to themselves.
#pragma once

#include "render/PixConverter.h"

class QnSingleConverter : public QnPixConverter {
public:
    int IsSame(const QnPixConverter* other) override { return other == this; }

protected:
    QnSingleConverter() = default;
    ~QnSingleConverter() override { RevokeObject(); }

private:
    void DeleteObject() override {}
};

// The single converter of PpQnCS::ConvType t (all six are built on the
// first call, safely against two threads at once); null for other values.
QnPixConverter* QnSingleConverterOf(int t);
