// The calendar page the calendar dialog edits: the picture in a frame, the
// month grid, the year title and the month title in one sketch, the
// whitened copy of the picture the frame shows, and the month and year the
// page is made for. No window here: the dialog and its view draw and drag
// it, the calendar file stores and loads its styling.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tasks/sketch/CVSketch.h"

class CVShape;
class CVShape_Cal;
class CVShape_Line;
class CVShape_Text;

class CLdCalendarPage {
public:
    // Texts of the module's string table the page shows.
    struct Names {
        std::array<std::string, 12> months;  // "January" ..
        std::array<std::string, 7> days;     // "Sunday" ..
    };
    // The stacking menu's items, in its order.
    enum { kTopYear = 0, kTopMonth = 1, kTopCalendar = 2, kTopPicture = 3 };
    static constexpr int32_t kMaxWhiteLevel = 10;
    static constexpr int32_t kGridStyles = 6;

    // dib: the editor's packed DIB of size bytes; it stays the editor's and
    // must outlive the page.
    CLdCalendarPage(const void* dib, uint32_t size, Names names, int32_t monthIndex, int32_t year);
    CLdCalendarPage(const CLdCalendarPage&) = delete;
    CLdCalendarPage& operator=(const CLdCalendarPage&) = delete;

    // Lays the page out anew in a view of width x height (sketch units) by
    // one of the two templates: 0 the picture above the grid, 1 below it.
    // The white level goes back to 0.
    void Layout(int32_t width, int32_t height, int32_t layoutTemplate);
    // Blends level tenths of white into the copy of the picture the frame
    // shows.
    void SetWhiteLevel(int32_t level);
    int32_t WhiteLevel() const { return whiteLevel_; }
    // The month title and the grid follow.
    void SetMonth(int32_t monthIndex);
    // The year title and the grid follow.
    void SetYear(int32_t year);
    int32_t Month() const { return month_; }
    int32_t Year() const { return year_; }
    void SetGridStyle(int32_t style);
    // Puts the shape of a stacking menu item in front; returns false for an
    // unknown item.
    bool BringToTop(int32_t item);

    // The styling in the calendar file's order: signature, white level,
    // year text, month text, grid, picture frame.
    void Store(fw::Archive& ar) const;
    // Reads all of it before anything changes: a file that ends early,
    // carries another signature or holds values no page can have raises the
    // archive's error and leaves the page as it was. The page keeps its
    // month, year and picture.
    void Load(fw::Archive& ar);

    CVSketch& Sketch() { return sketch_; }
    const CVSketch& Sketch() const { return sketch_; }
    CVShape_Text* YearText() const { return yearText_; }
    CVShape_Text* MonthText() const { return monthText_; }
    CVShape_Cal* Grid() const { return grid_; }
    CVShape_Line* PictureShape() const { return pictureShape_; }
    // One of the page's four shapes, by stacking menu item; null otherwise.
    CVShape* ShapeOf(int32_t item) const;
    // The picture as the frame shows it.
    const std::vector<uint8_t>& WhiteCopy() const { return whiteCopy_; }
    const Names& GetNames() const { return names_; }

    static constexpr const char* kSignature = "Telvy 1.1";

private:
    // The file's shapes after its signature and white level, which it
    // returns; raises for a damaged file.
    static uint32_t ReadShapes(fw::Archive& ar, CVShape_Text& year, CVShape_Text& month, CVShape_Cal& grid,
                               CVShape_Line& picture);
    void Whiten();
    CVShape* Add(int mode, const QnRect& r);

    const uint8_t* dib_;
    uint32_t dibSize_;
    Names names_;
    int32_t month_;
    int32_t year_;
    int32_t whiteLevel_ = 0;
    std::vector<uint8_t> whiteCopy_;
    CVSketch sketch_;
    CVShape_Text* yearText_ = nullptr;
    CVShape_Text* monthText_ = nullptr;
    CVShape_Cal* grid_ = nullptr;
    CVShape_Line* pictureShape_ = nullptr;
};

// The whitened form of a packed DIB: every colour byte b becomes
// (level x 255 + b x (10 - level)) / 10. Only colours change: the colour
// table of a paletted picture, the pixel bytes of a 24- or 32-bit one.
std::vector<uint8_t> LdWhitenDib(const uint8_t* dib, uint32_t size, int32_t level);
