#include "render/RenderObj.h"

#include "ExpectRaise.h"
#include "TestRenderObjs.h"
#include "render/FillRenderObj.h"
#include "render/NullConverter.h"
#include "lang/testsupport/MemLsmDsc.h"
#include "render/SpacedRenderObj.h"

#include <gtest/gtest.h>

using namespace rendertest;

namespace {

const QnXFormXY kIdentity;

// Answers whatever rectangle it is told to, to probe Render's checks.
class FixedAnswer : public QnRenderObj {
public:
    int Compare(const PpQnFlVal&) const override { return 0; }
    QnRect answer;

protected:
    friend struct ::QnObjCreator;
    FixedAnswer() : QnRenderObj(0, 0) {}
    QnRect GetRect_I(const QnXFormXY&) override { return QnRect{}; }
    PpQnPixConverter GetConverterToStd() override { return PpQnPixConverter(PpQnPixConverter::TAG{}); }
    PpQnPixBuf Render_I(const QnXFormXY&, int, const QnPoint&, const QnRect&, QnRect* got, QnRenderProgress*,
                        int) override
    {
        *got = answer;
        return PpQnPixBuf();
    }
};

} // namespace

TEST(QnRenderObj, AnchorMustLieInTheRequest)
{
    auto obj = MakeMem(100, 100);
    const QnRect request{10, 10, 50, 40};
    for (QnPoint anchor : {QnPoint{50, 20}, QnPoint{20, 40}, QnPoint{9, 20}, QnPoint{20, 9}}) {
        SCOPED_TRACE(::testing::Message() << anchor.x << "," << anchor.y);
        EXPECT_RAISES(obj->Render(kIdentity, 0, anchor, request, nullptr, nullptr, 0), "Bad rectangle request");
    }
    QnRect got;
    obj->Render(kIdentity, 0, QnPoint{49, 39}, request, &got, nullptr, 1);
    EXPECT_EQ(got, (QnRect{10, 10, 50, 40}));
}

TEST(QnRenderObj, AnswerMustLieInTheRequest)
{
    auto obj = QnCreate<FixedAnswer>();
    const QnRect request{0, 0, 10, 10};
    const struct {
        QnRect answer;
        bool ok;
    } cases[] = {
        {{0, 0, 10, 10}, true},
        {{2, 3, 4, 5}, true},
        {{}, true},           // the all-zero rectangle passes
        {{5, 5, 5, 5}, false}, // any other empty one does not
        {{5, 5, 11, 6}, false},
        {{-1, 0, 3, 3}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.answer.left << "," << c.answer.top << "," << c.answer.right << ","
                                          << c.answer.bottom);
        obj->answer = c.answer;
        QnRect got{9, 9, 9, 9};
        if (c.ok) {
            obj->Render(kIdentity, 0, QnPoint{0, 0}, request, &got, nullptr, 0);
            EXPECT_EQ(got, c.answer);
        } else {
            EXPECT_RAISES(obj->Render(kIdentity, 0, QnPoint{0, 0}, request, &got, nullptr, 0),
                          "Bad rectangle request");
        }
    }
}

TEST(QnRenderObj, PiecesOfTheColourAndAlphaPlanes)
{
    auto obj = MakeMem(100, 80, 32);
    QnRect got;
    PpQnPixBuf colour = obj->Render(kIdentity, 0, QnPoint{40, 70}, QnRect{35, 60, 90, 80}, &got, nullptr, 0);
    EXPECT_EQ(got, (QnRect{35, 64, 64, 80})); // the tile cell of the anchor, clipped
    EXPECT_EQ(colour->GetRect(), got);
    EXPECT_EQ(colour->CRow(6)[3 * 5 + 1], ColourByte(40, 70, 1));
    PpQnPixBuf alpha = obj->Render(kIdentity, 1, QnPoint{40, 70}, QnRect{35, 60, 90, 80}, &got, nullptr, 0);
    EXPECT_EQ(alpha->CRow(6)[5], AlphaByte(40, 70));
}

// A render hands out views of the pixels the object keeps; writing through
// the answer must reach neither the object's pixels nor its blank tile.
TEST(QnRenderObj, WritingToAnAnswerLeavesTheKeptPixelsAlone)
{
    auto obj = MakeMem(64, 64, 32);
    QnRect got;
    PpQnPixBuf inside = obj->Render(kIdentity, 0, QnPoint{33, 33}, QnRect{0, 0, 64, 64}, &got, nullptr, 0);
    inside->Row(0)[0] = 1;
    EXPECT_EQ(obj->Pixel(0, 32, 32, 0), ColourByte(32, 32, 0));
    EXPECT_EQ(inside->CRow(0)[0], 1);

    PpQnPixBuf outside = obj->Render(kIdentity, 0, QnPoint{70, 5}, QnRect{60, 0, 90, 10}, &got, nullptr, 0);
    EXPECT_EQ(got, (QnRect{64, 0, 90, 10}));
    outside->Row(0)[0] = 99;
    EXPECT_EQ(obj->BlankBytes()[0], 0);
    PpQnPixBuf again = obj->Render(kIdentity, 0, QnPoint{70, 5}, QnRect{60, 0, 90, 10}, &got, nullptr, 0);
    EXPECT_EQ(again->CRow(0)[0], 0);
}

TEST(QnRenderObj, CalcRectAndDefaults)
{
    EXPECT_EQ(QnRenderObj::CalcRect(QnPoint{90, 0}, QnRect{0, 0, 100, 40}, 64, 64), (QnRect{36, 0, 100, 40}));
    EXPECT_RAISES(QnRenderObj::CalcRect(QnPoint{100, 0}, QnRect{0, 0, 100, 40}, 64, 64), "Bad rectangle request");
    auto obj = MakeMem(10, 10);
    EXPECT_EQ(obj->GetNativeRender().Get(), obj.Get());
    EXPECT_EQ(obj->GetRect(kIdentity), (QnRect{0, 0, 10, 10}));
}

TEST(QnNullConverter, OneInstanceThatKeepsTheSource)
{
    PpQnPixConverter a(PpQnPixConverter::TAG{});
    PpQnPixConverter b(PpQnPixConverter::TAG{});
    EXPECT_EQ(a.Get(), b.Get());
    EXPECT_TRUE(a->IsSame(b.Get()));
    EXPECT_EQ(a->GetInverse(0).Get(), a.Get());
    auto obj = MakeMem(4, 4);
    EXPECT_EQ(a->ConvertRender(PpQnRenderObj(obj)).Get(), obj.Get());
    // Nothing locks it but itself, and a collection leaves it be.
    a.Reset();
    b.Reset();
    QnObj::CollectGarbage(QnObj::DF_DISCARD);
    EXPECT_TRUE(QnNullConverter::Instance()->IsRegistered());
}

namespace {

struct SpacedFixture : ::testing::Test {
    QnPp<MemRenderObj> source = MakeMem(40, 30, 16);
    QnPp<InvertConverter> invert = QnCreate<InvertConverter>();
    PpQnPixConverter null{PpQnPixConverter::TAG{}};

    uint8_t RenderedByte(const PpQnRenderObj& obj)
    {
        return obj->Render(kIdentity, 0, QnPoint{5, 6}, QnRect{0, 0, 40, 30}, nullptr, nullptr, 0)->CRow(6)[15];
    }
};

} // namespace

TEST_F(SpacedFixture, ConvertsThroughTheStandardFormUnlessTheSpacesAgree)
{
    const uint8_t plain = ColourByte(5, 6, 0);
    // Nothing agrees: the wanted converter wraps the standard form.
    PpQnRenderObj converted = source->GetSpacedRender(PpQnPixConverter(invert), 0);
    EXPECT_EQ(RenderedByte(converted), uint8_t(~plain));
    EXPECT_EQ(invert->conversions, 1);

    // The source's converter is the wanted one's inverse (asked with 1).
    source->toStd = PpQnPixConverter(invert);
    PpQnRenderObj direct = source->GetSpacedRender(PpQnPixConverter(invert), 0);
    EXPECT_EQ(RenderedByte(direct), plain);

    // Safe conversion and the wanted inverse (asked with 0) is the source's.
    auto other = QnCreate<InvertConverter>();
    other->inverse = null;
    source->toStd = null;
    source->safe = 1;
    EXPECT_EQ(RenderedByte(source->GetSpacedRender(PpQnPixConverter(other), 0)), plain);
    // ... but not when the flag asks for the conversion.
    EXPECT_EQ(RenderedByte(source->GetSpacedRender(PpQnPixConverter(other), 1)), uint8_t(~plain));
}

TEST_F(SpacedFixture, WrapsItsSourceWithoutNesting)
{
    PpQnRenderObj spaced = source->GetSpacedRender(PpQnPixConverter(invert), 0);
    EXPECT_EQ(spaced->GetNativeRender().Get(), source.Get());
    EXPECT_EQ(spaced->GetRect(kIdentity), (QnRect{0, 0, 40, 30}));
    PpQnRenderObj twice = spaced->GetSpacedRender(PpQnPixConverter(invert), 0);
    EXPECT_EQ(twice->GetNativeRender().Get(), source.Get());
    EXPECT_EQ(RenderedByte(twice), uint8_t(~ColourByte(5, 6, 0)));
    // Spaced objects over one source in one space render alike.
    EXPECT_EQ(spaced->Compare(PpQnFlVal(twice.Get())), 0);
    EXPECT_NE(spaced->Compare(PpQnFlVal(source->GetSpacedRender(null, 0).Get())), 0);

    // Converter queries have no answer for a spaced object.
    struct Probe : QnSpacedRenderObj {
        static auto ToStd() { return &Probe::GetConverterToStd; }
    };
    auto* obj = static_cast<QnSpacedRenderObj*>(spaced.Get());
    EXPECT_RAISES((obj->*Probe::ToStd())(), "Internal error: function can't be invoked");
    EXPECT_RAISES(PpQnSpacedRenderObj(spaced, null, null, 0), "Internal error: function can't be invoked");
}

TEST_F(SpacedFixture, CollectorKeepsWhatASpacedObjectRendersThrough)
{
    PpQnRenderObj spaced = source->GetSpacedRender(PpQnPixConverter(invert), 0);
    source.Reset();
    invert.Reset();
    QnObj::CollectGarbage(QnObj::DF_DISCARD);
    EXPECT_EQ(RenderedByte(spaced), uint8_t(~ColourByte(5, 6, 0)));
    spaced.Reset();
    EXPECT_GT(QnObj::CollectGarbage(QnObj::DF_DISCARD), 0);
}

// Render objects are computed: saving one writes nothing, keeps all there is
// and binds it to the descriptor.
TEST(QnRenderObj, SavingWritesNothingAndBinds)
{
    auto obj = MakeMem(4, 4);
    auto dsc = QnMemLsmDsc::Make("render");
    EXPECT_EQ(obj->Save(PpQnLsmDsc(dsc), nullptr), 0);
    EXPECT_FALSE(dsc->Exists());
    EXPECT_EQ(dsc->opens, 0);
    EXPECT_EQ(obj->Save(PpQnLsmDsc(dsc), nullptr), 0); // bound: nothing more happens
    EXPECT_EQ(dsc->events, (std::vector<std::string>{"BeginSave 0", "EndSave 0 0", "BeginSave 1", "EndSave 0 0"}));
}
