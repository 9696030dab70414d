// The tool palette: a small floating window with a tab per group of tools
// over the pane that shows the current tab's tools. It reads its layout file
// when it is made and writes it back when its window goes.
#pragma once

#include <functional>
#include <string>

#include "editor/palette/LdPaletteWnd.h"
#include "editor/palette/PaletteLayout.h"
#include "framework/MiniFrameWnd.h"

class QTabBar;

class CLdPalette : public fw::MiniFrameWnd {
public:
    static constexpr int kTabHeight = 30;

    // layoutPath: the layout file (LdPaletteLayoutPath() in the program).
    // A damaged file is reported here, and the default tools are shown.
    CLdPalette(CLdPaletteHost& host, std::string layoutPath);

    // The window's rectangle when it closes or goes; the shown flag is
    // cleared when it goes.
    std::function<void(const QRect&)> onGeometry;
    std::function<void()> onGone;
    // The user closed the window.
    std::function<void()> onClosed;

    void AddTab(const std::string& name);
    CLdPaletteLayout& Layout() { return layout_; }
    CLdPaletteWnd& Pane() { return *pane_; }
    QTabBar& Tabs() { return *tabs_; }
    // Writes the layout file; a failure is reported and the old file kept.
    void StoreLayout();

    void OnClose() override;

protected:
    void OnDestroy() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CLdPaletteLayout layout_;
    std::string layoutPath_;
    QTabBar* tabs_ = nullptr;
    CLdPaletteWnd* pane_ = nullptr;
};
