// What the Paint and Clone panels share: a row of sunken frames, each under
// its caption and showing the cell of the editor's brush value in the
// field's strip.
// A left click on a frame offers the strip's cells in a popup menu; the one
// chosen is written straight into the editor's brush.
#pragma once

#include "tasks/module/panels/LdBrushFields.h"
#include "tasks/module/panels/LdOptionsPanel.h"

#include <QImage>
#include <vector>

class CBrushParams;
class QGridLayout;

class CLdBrushFramesPanel : public CLdOptionsPanel {
public:
    // Frame control ids, in the order of the fields.
    static constexpr uint32_t IDC_SHAPE = 1001;
    static constexpr uint32_t IDC_SIZE = 1002;
    static constexpr uint32_t IDC_SMOOTH = 1003;
    static constexpr uint32_t IDC_TYPE = 1004;
    // A frame's menu commands: the field's first id plus the value index.
    static constexpr uint32_t ID_FIRST_CHOICE = 1100;
    static uint32_t FrameId(LdBrushField field) { return IDC_SHAPE + uint32_t(field); }
    static uint32_t FirstChoiceId(LdBrushField field) { return ID_FIRST_CHOICE + 10 * uint32_t(field); }

    // The editor's brush; it stays the editor's and outlives the panel.
    void SetParams(CBrushParams* params) { params_ = params; }
    CBrushParams* GetParams() const { return params_; }

    // Sets the context-help ids, loads the strips, then shows the fields.
    bool OnInitDialog() override;
    // A menu's choice: the value into the editor's brush, the panel shown
    // again.
    void OnCommand(uint32_t id) override;

protected:
    // fields: the frames left to right; size: the template's, in pixels;
    // helpId: the panel's context help.
    CLdBrushFramesPanel(std::vector<LdBrushField> fields, QSize size, uint32_t helpId, QWidget* parent);

    void CreateControls() override;
    // After a choice is written, before the fields are shown again.
    virtual void OnValueChosen(LdBrushField, int) {}

    void mousePressEvent(QMouseEvent* event) override;

    // Puts a control of a derived panel right of the last frame, level
    // with the frames; it takes the width the frames leave.
    void AddBesideFrames(QWidget* control);

private:
    struct Frame {
        LdBrushField field;
        QImage strip;
        int cellSize = 0;  // the strip's width
        QWidget* widget = nullptr;
    };

    void PaintCell(const Frame& frame, QPainter& painter, const QRect& rect) const;

    // Captions in the top row, frames under them.
    QGridLayout* grid_ = nullptr;
    std::vector<Frame> frames_;
    uint32_t panelHelpId_;
    CBrushParams* params_ = nullptr;
};
