// Render objects from the library's pools still listed when a program ends
// without a last collection.
#include "render/FillRenderObj.h"
#include "render/SpacedRenderObj.h"

#include "EndWithoutCollection.h"
#include "TestRenderObjs.h"

#include <gtest/gtest.h>

using namespace rendertest;

namespace {

const QnFillRenderObj::PlaneFmt kFormats[] = {{3, 1, 3}};

// Made on first use, after the null converter.
const PpQnRenderObj& Source()
{
    static const PpQnRenderObj source(MakeMem(8, 8, 4));
    return source;
}

} // namespace

TEST(ExitWithoutCollection, EndsCleanlyWithPooledRenderObjectsStillListed)
{
    const struct {
        const char* name;
        MakeListed make;
    } cases[] = {
        {"fill", [] { return QnPp<QnObj>(PpQnFillRenderObj(Source(), 1, kFormats)); }},
        {"spaced",
         [] {
             const PpQnPixConverter null(PpQnPixConverter::TAG{});
             return QnPp<QnObj>(PpQnSpacedRenderObj(Source(), null, null, 0));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectCleanEndWithoutCollection(c.make);
    }
}
