// The pictures of a slide show: the records that pass the album's search
// filter, in list order, over and over.
#pragma once

#include <cstddef>

class COvalbumDoc;
class CProgress;
class WA;

class AlbumSlideShow {
public:
    explicit AlbumSlideShow(const COvalbumDoc& doc) : doc_(doc) {}

    // The next picture, read now (one reference for the caller); null when
    // no record passes the filter or its file does not read, which ends the
    // show.
    WA* Next(CProgress* progress = nullptr);
    // Pictures handed out so far.
    size_t Shown() const { return shown_; }

private:
    const COvalbumDoc& doc_;
    size_t shown_ = 0;
};
