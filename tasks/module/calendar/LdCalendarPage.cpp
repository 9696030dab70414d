#include "tasks/module/calendar/LdCalendarPage.h"

#include "framework/Archive.h"
#include "framework/Exception.h"
#include "framework/File.h"
#include "platform/Dib.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"
#include "tasks/sketch/SketchArchive.h"
#include "tasks/sketch/SketchDib.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace {

// Further out than any page a view can show; a stored rectangle beyond it
// is a damaged file, and keeps the scale's arithmetic in range.
constexpr int32_t kMaxCoordinate = 1 << 20;

uint8_t WhitenByte(uint8_t b, int32_t level) { return uint8_t((level * 255 + b * (10 - level)) / 10); }

[[noreturn]] void BadFormat(const fw::Archive& ar)
{
    throw fw::ArchiveException(fw::ArchiveException::badIndex, ar.GetFile()->GetFilePath());
}

// The flat form of every shape starts with its rectangle: looked at before
// the shape reads it, so that a shape is never fitted into an absurd one.
void CheckNextRect(fw::Archive& ar)
{
    fw::File& file = *ar.GetFile();
    const uint64_t at = file.GetPosition();
    const QnRect r = SketchReadRect(ar);
    file.Seek(at);
    const auto inRange = [](int32_t v) { return v >= -kMaxCoordinate && v <= kMaxCoordinate; };
    if (!inRange(r.left) || !inRange(r.top) || !inRange(r.right) || !inRange(r.bottom) || r.left > r.right ||
        r.top > r.bottom)
        BadFormat(ar);
}

}  // namespace

std::vector<uint8_t> LdWhitenDib(const uint8_t* dib, uint32_t size, int32_t level)
{
    std::vector<uint8_t> out(dib, dib + size);
    level = std::clamp(level, 0, 10);
    if (level == 0 || size == 0)
        return out;
    std::string error;
    const auto layout = platform::ReadDibLayout(std::span<const uint8_t>(dib, size), &error);
    if (!layout)
        return out;
    const uint16_t bits = layout->header.biBitCount;
    size_t from = 0, to = 0;
    if (bits <= 8) {
        // The pixels are indices: only the colour table is whitened.
        from = layout->headerSize;
        to = from + 4 * layout->palette.size();
    } else if (bits == 24 || bits == 32) {
        from = layout->bitsOffset;
        to = size;
    }
    to = std::min<size_t>(to, size);
    for (size_t i = from; i < to; ++i)
        out[i] = WhitenByte(out[i], level);
    return out;
}

CLdCalendarPage::CLdCalendarPage(const void* dib, uint32_t size, Names names, int32_t monthIndex, int32_t year)
    : dib_(static_cast<const uint8_t*>(dib)),
      dibSize_(dib ? size : 0),
      names_(std::move(names)),
      month_(std::clamp(monthIndex, 0, 11)),
      year_(year),
      whiteCopy_(dib_, dib_ + dibSize_)
{
}

void CLdCalendarPage::Whiten()
{
    // The frame borrows the copy: it is rewritten in place, never moved.
    const std::vector<uint8_t> whitened = LdWhitenDib(dib_, dibSize_, whiteLevel_);
    std::copy(whitened.begin(), whitened.end(), whiteCopy_.begin());
}

void CLdCalendarPage::SetWhiteLevel(int32_t level)
{
    whiteLevel_ = std::clamp(level, 0, kMaxWhiteLevel);
    Whiten();
}

CVShape* CLdCalendarPage::Add(int mode, const QnRect& r)
{
    const int previous = CVSketch::SetCreationMode(mode);
    CVShape* shape = sketch_.AddShape(QnPoint{r.left, r.top}, QnPoint{r.right, r.bottom});
    CVSketch::SetCreationMode(previous);
    return shape;
}

void CLdCalendarPage::Layout(int32_t W, int32_t H, int32_t layoutTemplate)
{
    // The level goes back to 0 with the new layout, and the picture with it.
    whiteLevel_ = 0;
    Whiten();
    sketch_.RemoveAll();

    const auto shrink = [](QnRect r) { return QnRect{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}; };
    QnRect gridRect;
    int32_t bandTop = 0, bandBottom = 0;
    if (layoutTemplate == 1) {
        gridRect = QnRect{0, H / 8, W, H / 2};
        bandTop = H / 2;
        bandBottom = H;
    } else {
        gridRect = QnRect{0, H / 2, W, H};
        bandTop = H / 8;
        bandBottom = H / 2;
    }
    QnRect pictureRect{0, bandTop, W, bandBottom};
    if (const auto size = SketchDibSize(dib_, dibSize_); size && size->width() > 0 && size->height() > 0) {
        const int64_t pw = size->width(), ph = size->height();
        const int64_t s = std::min(int64_t(bandBottom - bandTop) * 100 / ph, int64_t(W) * 100 / pw);
        const int32_t w = int32_t(s * pw / 100), h = int32_t(s * ph / 100);
        const int32_t left = (W - w) / 2, top = bandTop + (bandBottom - bandTop - h) / 2;
        pictureRect = QnRect{left, top, left + w, top + h};
    }
    const QnRect monthRect = shrink(QnRect{0, 0, W / 2, H / 8});
    const QnRect yearRect = shrink(QnRect{W - W / 4, H / 16, W, H / 8});

    pictureShape_ = static_cast<CVShape_Line*>(Add(CVSketch::kModeRect, pictureRect));
    pictureShape_->SetBitmapFill(whiteCopy_.data(), whiteCopy_.size());

    grid_ = static_cast<CVShape_Cal*>(Add(CVSketch::kModeCalendar, shrink(gridRect)));
    grid_->SetDayNames(std::vector<std::string>(names_.days.begin(), names_.days.end()), 3, 1);
    grid_->SetMonth(month_, year_);
    grid_->SetHeaderFace("Arial");

    yearText_ = static_cast<CVShape_Text*>(Add(CVSketch::kModeText, yearRect));
    yearText_->SetText(std::to_string(year_));
    yearText_->SetFont("Arial", 0, 0);

    monthText_ = static_cast<CVShape_Text*>(Add(CVSketch::kModeText, monthRect));
    monthText_->SetText(names_.months[size_t(month_)]);
    monthText_->SetFont("Arial", 0, 0);
}

void CLdCalendarPage::SetMonth(int32_t monthIndex)
{
    month_ = std::clamp(monthIndex, 0, 11);
    if (monthText_)
        monthText_->SetText(names_.months[size_t(month_)]);
    if (grid_)
        grid_->SetMonth(month_, year_);
}

void CLdCalendarPage::SetYear(int32_t year)
{
    year_ = year;
    if (yearText_)
        yearText_->SetText(std::to_string(year_));
    if (grid_)
        grid_->SetMonth(month_, year_);
}

void CLdCalendarPage::SetGridStyle(int32_t style)
{
    if (grid_)
        grid_->gridStyle = style;
}

CVShape* CLdCalendarPage::ShapeOf(int32_t item) const
{
    switch (item) {
    case kTopYear: return yearText_;
    case kTopMonth: return monthText_;
    case kTopCalendar: return grid_;
    case kTopPicture: return pictureShape_;
    default: return nullptr;
    }
}

bool CLdCalendarPage::BringToTop(int32_t item)
{
    CVShape* shape = ShapeOf(item);
    if (!shape)
        return false;
    sketch_.BringToFront(shape);
    return true;
}

void CLdCalendarPage::Store(fw::Archive& ar) const
{
    ar << std::string(kSignature) << uint32_t(whiteLevel_);
    yearText_->Store(ar);
    monthText_->Store(ar);
    grid_->Store(ar);
    pictureShape_->Store(ar);
}

uint32_t CLdCalendarPage::ReadShapes(fw::Archive& ar, CVShape_Text& year, CVShape_Text& month, CVShape_Cal& grid,
                                     CVShape_Line& picture)
{
    if (ar.ReadString() != kSignature)
        BadFormat(ar);
    uint32_t level = 0;
    ar >> level;
    if (level > uint32_t(kMaxWhiteLevel))
        BadFormat(ar);
    for (CVShape* shape : {static_cast<CVShape*>(&year), static_cast<CVShape*>(&month), static_cast<CVShape*>(&grid),
                           static_cast<CVShape*>(&picture)}) {
        CheckNextRect(ar);
        shape->Load(ar);
    }
    return level;
}

void CLdCalendarPage::Load(fw::Archive& ar)
{
    if (!yearText_)
        return;
    // Read once into stand-ins over the present polygons, so that a damaged
    // file is found before the page changes; then again into the page.
    fw::File& file = *ar.GetFile();
    const uint64_t start = file.GetPosition();
    {
        CVShape_Text year, month;
        CVShape_Cal grid;
        CVShape_Line picture;
        year.points = yearText_->points;
        month.points = monthText_->points;
        grid.points = grid_->points;
        picture.points = pictureShape_->points;
        ReadShapes(ar, year, month, grid, picture);
    }
    file.Seek(start);
    const int mode = CVSketch::GetCreationMode();
    const int32_t level = int32_t(ReadShapes(ar, *yearText_, *monthText_, *grid_, *pictureShape_));
    if (level != whiteLevel_)
        SetWhiteLevel(level);
    // The month, year and picture stay the page's own.
    yearText_->SetText(std::to_string(year_));
    monthText_->SetText(names_.months[size_t(month_)]);
    grid_->SetMonth(month_, year_);
    CVSketch::SetCreationMode(mode);
}
