// The selector dispatcher every filter of every module shares: each
// exported entry forwards here with its filter, whose hooks tell how its
// module detects the host, answers About, keeps its block and boxes its
// preview. It never lets an exception out.
//
//   extern "C" PI_EXPORT void ENTRYPOINT1(int16_t selector, FilterRecord* record,
//                                         intptr_t* data, int16_t* result)
//   {
//       FilterDispatch(RubberFilter(), selector, record, result);
//   }
#pragma once

#include "filters/frame/FilterDefinition.h"
#include "filters/sdk/PIFilter.h"

void FilterDispatch(FilterDefinition& filter, int16_t selector, FilterRecord* record, int16_t* result);
