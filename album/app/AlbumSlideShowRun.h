// Runs the slide show of an album: its found records full screen, one after
// the other, over and over, until Escape, a click or a picture that does
// not read ends it.
#pragma once

#include <functional>

class COvalbumDoc;
class CPictureWnd;

// Called after each picture is shown, with the count so far; tests end the
// show from here.
using SlideShowObserver = std::function<void(CPictureWnd& window, int shown)>;
SlideShowObserver SetSlideShowObserver(SlideShowObserver observer);

// Answers how many pictures were shown.
int RunAlbumSlideShow(const COvalbumDoc& doc);
