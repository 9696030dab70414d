// A libFuzzer target for the sketch's stored forms (SketchFuzzForms.h). An
// object read whole is written again, and what that writes must read back
// to the same bytes.
#include "framework/Archive.h"
#include "framework/Exception.h"
#include "framework/MemFile.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"
#include "tasks/sketch/fuzz/SketchFuzzForms.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace {

std::vector<uint8_t> StoreObject(const fw::Object* object)
{
    fw::MemFile file;
    fw::Archive ar(file, fw::Archive::store);
    ar.WriteObject(object);
    ar.Close();
    return file.data();
}

std::unique_ptr<fw::Object> LoadObject(std::vector<uint8_t> bytes)
{
    fw::MemFile file(std::move(bytes));
    fw::Archive ar(file, fw::Archive::load);
    return ar.ReadOwnedObject();
}

void RoundTrip(std::vector<uint8_t> bytes)
{
    std::unique_ptr<fw::Object> object;
    try {
        object = LoadObject(std::move(bytes));
    } catch (const fw::ArchiveException&) {
        return;
    }
    const std::vector<uint8_t> stored = StoreObject(object.get());
    // Raises, and so fails, when the sketch cannot read its own output.
    const std::unique_ptr<fw::Object> again = LoadObject(stored);
    if (StoreObject(again.get()) != stored)
        __builtin_trap();
}

void LoadFlat(CVShape& shape, std::vector<uint8_t> bytes)
{
    {
        fw::MemFile file(std::move(bytes));
        fw::Archive ar(file, fw::Archive::load);
        try {
            shape.Load(ar);
        } catch (const fw::ArchiveException&) {
            return;
        }
    }
    fw::MemFile out;
    fw::Archive ar(out, fw::Archive::store);
    shape.Store(ar);
    shape.GetBoundRect();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::vector<uint8_t> bytes(data + 1, data + size);
    switch (static_cast<SketchFuzzForm>(data[0] % uint8_t(SketchFuzzForm::count))) {
    case SketchFuzzForm::object:
        RoundTrip(std::move(bytes));
        break;
    case SketchFuzzForm::lineFlat: {
        CVShape_Line line(1, {0, 0}, {10, 10});
        LoadFlat(line, std::move(bytes));
        break;
    }
    case SketchFuzzForm::textFlat: {
        CVShape_Text text({0, 0}, {10, 10});
        LoadFlat(text, std::move(bytes));
        break;
    }
    case SketchFuzzForm::calendarFlat: {
        CVShape_Cal calendar({0, 0}, {700, 350});
        LoadFlat(calendar, std::move(bytes));
        break;
    }
    case SketchFuzzForm::count:
        break;
    }
    return 0;
}
