// The frame's status bar: panes with ids, widths, styles and texts. Pane 0
// (id 0) takes the rest of the width and shows messages and menu prompts;
// panes with ids are updated at idle time like menu items (a disabled pane
// shows no text).
#pragma once

#include <QStatusBar>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/ControlBar.h"

namespace fw {

class StatusBar : public QStatusBar, public ControlBar {
public:
    // Pane styles.
    static constexpr uint32_t SBPS_NORMAL = 0x0000;
    static constexpr uint32_t SBPS_NOBORDERS = 0x0100;
    static constexpr uint32_t SBPS_POPOUT = 0x0200;
    static constexpr uint32_t SBPS_OWNERDRAW = 0x1000;
    static constexpr uint32_t SBPS_DISABLED = 0x04000000;
    static constexpr uint32_t SBPS_STRETCH = 0x08000000;

    explicit StatusBar(QWidget* parent = nullptr);

    // One pane per id; id 0 makes a stretching message pane. Text widths
    // start from the pane's prompt string when the program has one.
    bool SetIndicators(const std::vector<uint32_t>& ids);
    size_t GetCount() const { return panes_.size(); }
    // Index of the pane with id, or -1.
    int CommandToIndex(uint32_t id) const;
    uint32_t GetItemID(int index) const;
    QRect GetItemRect(int index) const;
    void GetPaneInfo(int index, uint32_t& id, uint32_t& style, int& width) const;
    void SetPaneInfo(int index, uint32_t id, uint32_t style, int width);
    uint32_t GetPaneStyle(int index) const;
    void SetPaneStyle(int index, uint32_t style);
    std::string GetPaneText(int index) const;
    bool SetPaneText(int index, const std::string& text, bool update = true);
    // Average character width of the bar's font, for pane widths.
    int AverageCharWidth() const;

    void OnUpdateCmdUI(CmdTarget* target, bool disableIfNoHandler) override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws one pane: its border by style, then its text. Subclasses that
    // draw more (icons) call it first.
    virtual void DrawPane(QPainter& painter, int index, const QRect& rect);

private:
    struct Pane {
        uint32_t id = 0;
        uint32_t style = SBPS_NORMAL;
        int width = 0;
        std::string text;
    };
    std::vector<Pane> panes_;
};

}  // namespace fw
