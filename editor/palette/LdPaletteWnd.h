// The tool palette's pane: the tools of the current tab as a scrolled grid of
// labelled previews. A click selects a tool, a double click applies it to the
// active picture, and the context menu applies, renames, adds and deletes
// tools (adding and deleting on the last tab only).
#pragma once

#include <QWidget>
#include <cstdint>

#include "editor/palette/PaletteGrid.h"
#include "editor/palette/PaletteLayout.h"

class CLodo40Doc;
class QScrollBar;

// What the palette asks of the program around it.
class CLdPaletteHost {
public:
    virtual ~CLdPaletteHost() = default;
    // The document of the active picture window, or null.
    virtual CLodo40Doc* ActiveDocument() = 0;
    // The drawing colours new tools are rendered with, 0x00BBGGRR.
    virtual uint32_t Background() = 0;
    virtual uint32_t Foreground() = 0;
};

class CLdPaletteWnd : public QWidget {
public:
    // The size a picture window's picture is reduced to for the previews.
    static constexpr int32_t kPreviewWidth = 80, kPreviewHeight = 60;

    CLdPaletteWnd(CLdPaletteLayout& layout, CLdPaletteHost& host, QWidget* parent = nullptr);

    void SelectPane(int pane);
    int CurrentPane() const { return currentPane_; }
    void SelectItem(int item);
    int SelectedItem() const { return selectedItem_; }
    bool PickingImage() const { return pickingImage_; }
    int ScrollPosition() const;
    QScrollBar& ScrollBar() { return *scrollBar_; }
    const CLdPaletteGrid& Grid() const { return grid_; }
    // The width the grid is laid out in (without the scroll bar).
    int GridWidth() const;

    // Commands of the context menus.
    void OnCommand(uint32_t id);
    bool OnLastPane() const { return currentPane_ + 1 == int(layout_.Panes().size()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    CLdPaletteLayout::Pane* Pane();
    CLdPaletteItem* Selected();
    void UpdateScrollRange();
    void Apply();
    void Rename();
    void DeleteSelected();
    void AddTool();
    // The next click on a picture window makes the previews' picture of it.
    void PickImage();
    void UseImageOf(CLodo40Doc& document);
    void UseDefaultImage();
    // Every tool of every tab rendered again from the picture at path.
    void RenderAllFrom(const std::string& path);
    // The selected tool's effect asks for its parameters again.
    void Customize();

    CLdPaletteLayout& layout_;
    CLdPaletteHost& host_;
    CLdPaletteGrid grid_;
    QScrollBar* scrollBar_ = nullptr;
    QPoint backgroundOrigin_;
    int currentPane_ = 0;
    int selectedItem_ = -1;
    bool pickingImage_ = false;
};
