#include "filters/photo/PhotoFilter.h"

void PhotoFilter::Defaults(ArtParams& params) const
{
    ParamDefaults(params);
    params.ringMargin = photo_.windowColumns;
    params.ringSize = photo_.windowRows;
}
