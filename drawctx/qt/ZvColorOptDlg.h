// The colour/dither options dialog ("COLOROPT") over its model: depth and
// dithering lists, the number of colours, fast view, and the result line
// telling what the display makes of the choice.
#pragma once

#include "drawctx/ZvColorOptModel.h"
#include "drawctx/qt/ZvLoadDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class ZvColorOptDlg : public ZvTemplateDialog {
public:
    ZvColorOptDlg(QWidget* owner, ZvColorOptModel& model);

    bool OnInitDialog() override;
    void OnCommand(uint32_t id) override;
    const ZvColorOptModel& Model() const { return model_; }

protected:
    void CreateControls() override;

private:
    void FillDithers();
    // The fast-view box, OK and Apply, the colours field and the result.
    void Refresh();
    void ShowColors();
    void ShowResult();

    ZvColorOptModel& model_;
    QComboBox* depth_ = nullptr;
    QComboBox* dither_ = nullptr;
    QLabel* colorsLabel_ = nullptr;
    QLineEdit* colors_ = nullptr;
    QCheckBox* fastView_ = nullptr;
    QLabel* resultIcon_ = nullptr;
    QLabel* resultText_ = nullptr;
    bool filling_ = false;
};

// Edits options for a picture of waType in place (see ZvColorOptModel for
// what OK, Apply and Cancel do); help may be null, which hides Help.
void SelectColorDitherOptions(QWidget* owner, int waType, ZV_CDOPTFV& options, ZvIsFastProc isFast,
                              ZvIsAvailableProc isAvailable, ZvUserProc changed, ZvUserProc help, intptr_t user);
