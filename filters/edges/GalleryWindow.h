// The gallery (control 1007): the tab strip of the mask groups and, under
// it, the cells of the current tab's items, each the picture blended
// through its mask with its caption. A click selects the item under it.
#pragma once

#include "filters/edges/EdgesBlend.h"
#include "filters/edges/GalleryLayout.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <map>

class QTabBar;
class Thumbnail;

class GalleryWindow : public QWidget {
public:
    static constexpr int32_t kCaptionHeight = 16;

    GalleryWindow(const Thumbnail& thumbnail, const EdgesColour& colour, QWidget* parent = nullptr);

    QTabBar* Tabs() const { return tabs_; }
    GalleryLayout Layout() const { return GalleryLayout(width(), height()); }
    // Shows the items of tab page from firstRow on, with cursel selected.
    void Show(int32_t page, int32_t firstRow, int32_t cursel);
    void SetShadow(int32_t shadow);
    int32_t Page() const { return page_; }
    int32_t FirstRow() const { return firstRow_; }
    int32_t Cursel() const { return cursel_; }
    int32_t ItemCount() const;
    // The mask of the selected item, 0 when the tab has none selected.
    int32_t SelectedMask() const;

    // Told after a tab change or a click that selects.
    std::function<void()> onChange;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QImage& ItemImage(int32_t resource, int32_t width, int32_t height);

    const Thumbnail& thumbnail_;
    EdgesColour colour_;
    QTabBar* tabs_;
    int32_t page_ = 0;
    int32_t firstRow_ = 0;
    int32_t cursel_ = 0;
    int32_t shadow_ = 0;
    std::map<int32_t, QImage> images_;
};
