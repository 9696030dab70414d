#include "render/NullConverter.h"

QnNullConverter::~QnNullConverter() { RevokeObject(); }

QnNullConverter* QnNullConverter::Instance()
{
    struct Holder {
        Holder()
        {
            instance.RegisterObject();
            lock = &instance;
        }
        QnNullConverter instance;
        QnObjLock lock;
    };
    static Holder holder;
    return &holder.instance;
}

PpQnPixConverter::PpQnPixConverter(TAG) : QnPp(QnNullConverter::Instance()) {}
