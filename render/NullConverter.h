// The identity converter: one static instance, registered with the
// collector and locked once, so that it is never reclaimed.
#pragma once

#include "render/PixConverter.h"

class QnNullConverter : public QnPixConverter {
public:
    PpQnRenderObj ConvertRender(const PpQnRenderObj& source) override { return source; }
    PpQnPixConverter GetInverse(int) override { return PpQnPixConverter(Instance()); }
    int IsSame(const QnPixConverter* other) override { return other == Instance(); }

    // Built and registered on first use, revoked at unload.
    static QnNullConverter* Instance();

private:
    QnNullConverter() = default;
    ~QnNullConverter() override;
    void DeleteObject() override {}
};
