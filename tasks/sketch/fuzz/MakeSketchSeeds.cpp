// Writes the seeds of the sketch's fuzz target with the sketch's own writers.
#include "base/fuzz/SeedWriter.h"
#include "framework/Archive.h"
#include "framework/MemFile.h"
#include "platform/Dib.h"
#include "tasks/sketch/CVFiller_Bitmap.h"
#include "tasks/sketch/CVFiller_Color.h"
#include "tasks/sketch/CVFiller_Meta.h"
#include "tasks/sketch/CVOutliner_Line.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Group.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/fuzz/SketchFuzzForms.h"

namespace {

using Bytes = std::vector<uint8_t>;

template <class Write>
Bytes Stored(SketchFuzzForm form, Write write)
{
    fw::MemFile file;
    fw::Archive ar(file, fw::Archive::store);
    write(ar);
    ar.Close();
    Bytes bytes{uint8_t(form)};
    bytes.insert(bytes.end(), file.data().begin(), file.data().end());
    return bytes;
}

Bytes StoredObject(const fw::Object& object)
{
    return Stored(SketchFuzzForm::object, [&](fw::Archive& ar) { ar.WriteObject(&object); });
}

// A bitmap filler that owns a 2 x 2 picture, as an archive brings it.
std::unique_ptr<CVFiller_Bitmap> OwnedBitmap()
{
    Bytes dib = platform::MakeDibHeader(2, 2, 24, {}, 96, 96);
    dib.resize(dib.size() + 2 * 8, 0x7F);
    fw::MemFile file;
    {
        fw::Archive ar(file, fw::Archive::store);
        ar << uint32_t(dib.size());
        ar.Write(dib.data(), dib.size());
    }
    file.SeekToBegin();
    auto filler = std::make_unique<CVFiller_Bitmap>();
    fw::Archive ar(file, fw::Archive::load);
    filler->Serialize(ar);
    return filler;
}

} // namespace

int main(int argc, char** argv)
{
    SeedWriter seeds;
    if (!seeds.Open(argc, argv))
        return 2;

    CVSketch sketch;
    auto rect = std::make_unique<CVShape_Line>(1, QnPoint{30, 40}, QnPoint{10, 20});
    rect->SetOutliner(std::make_unique<CVOutliner_Line>(0x00112233, 3));
    rect->SetFiller(std::make_unique<CVFiller_Color>(0x00445566));
    sketch.AddHead(std::move(rect));
    sketch.AddHead(std::make_unique<CVShape_Line>(3, QnPoint{5, 6}, QnPoint{7, 8}));
    seeds.Write("sketch-lines", StoredObject(sketch));

    CVSketch page;
    auto text = std::make_unique<CVShape_Text>(QnPoint{1, 2}, QnPoint{300, 40});
    text->SetText("September");
    text->SetFont("Times New Roman", 1, 0);
    page.AddHead(std::move(text));
    auto cal = std::make_unique<CVShape_Cal>(QnPoint{0, 50}, QnPoint{700, 350});
    cal->SetOutliner(std::make_unique<CVOutliner_Line>(0xFF, 2));
    page.AddHead(std::move(cal));
    auto group = std::make_unique<CVShape_Group>();
    group->AddChild(std::make_unique<CVShape_Line>(1, QnPoint{0, 0}, QnPoint{10, 10}));
    auto inner = std::make_unique<CVShape_Group>();
    inner->AddChild(std::make_unique<CVShape_Line>(3, QnPoint{-4, 9}, QnPoint{100000, -7}));
    group->AddChild(std::move(inner));
    page.AddHead(std::move(group));
    seeds.Write("sketch-page", StoredObject(page));

    CVShape_Line pictured(1, {0, 0}, {20, 20});
    pictured.SetFiller(OwnedBitmap());
    seeds.Write("shape-bitmap", StoredObject(pictured));

    CVShape_Line meta(1, {0, 0}, {20, 20});
    auto bits = std::make_unique<CVFiller_Meta>();
    bits->SetBits({1, 0, 9, 0, 0, 3, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
    meta.SetFiller(std::move(bits));
    seeds.Write("shape-metafile", StoredObject(meta));

    CVShape_Line line(1, {3, 4}, {50, 60});
    seeds.Write("line-flat", Stored(SketchFuzzForm::lineFlat, [&](fw::Archive& ar) { line.Store(ar); }));
    CVShape_Text flatText({0, 0}, {120, 30});
    flatText.SetText("1999");
    flatText.SetFont("Arial", 0, 1);
    seeds.Write("text-flat", Stored(SketchFuzzForm::textFlat, [&](fw::Archive& ar) { flatText.Store(ar); }));
    CVShape_Cal flatCal({0, 0}, {700, 350});
    flatCal.SetMonth(8, 1999);
    seeds.Write("calendar-flat", Stored(SketchFuzzForm::calendarFlat, [&](fw::Archive& ar) { flatCal.Store(ar); }));
    return seeds.Done();
}
