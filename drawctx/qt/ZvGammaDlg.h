// The monitor gamma dialog ("MONGAMMA") over its model: a scroll bar and a
// text box per channel, and the test picture in a picture control that
// shows the gamma being edited.
#pragma once

#include "drawctx/ZvGammaModel.h"
#include "drawctx/qt/ZvLoadDialog.h"
#include "drawctx/qt/ZvWindowClass.h"

class QLineEdit;
class QScrollBar;
class ZvWindow;

class ZvGammaDlg : public ZvTemplateDialog {
public:
    ZvGammaDlg(QWidget* owner, ZV_MG& gamma, ZvUserProc preview, ZvUserProc help, intptr_t user);

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnCommand(uint32_t id) override;
    const ZvGammaModel& Model() const { return model_; }
    int Finish(bool ok) { return model_.Finish(ok); }
    ZvWindow* Picture() const { return picture_; }

    // Where the template places the picture control.
    static constexpr int kPictureLeft = 20, kPictureTop = 40, kPictureWidth = 320, kPictureHeight = 130;

protected:
    void CreateControls() override;

private:
    void Scrolled(int channel, int code);
    void Show(int channel);
    void SendGamma(const ZV_MG& gamma);

    // The picture control's class is registered while the dialog lives.
    ZvWaTmbClassScope pictureClass_;
    ZvGammaModel model_;
    QScrollBar* bars_[3] = {};
    QLineEdit* edits_[3] = {};
    ZvWindow* picture_ = nullptr;
};

// Edits gamma in place with a preview after every change; 1 when the dialog
// ended with OK and the values differ from the incoming ones, else 0 (the
// incoming values back in gamma). help may be null, which hides Help.
int SelectGamma(QWidget* owner, ZV_MG& gamma, ZvUserProc preview, ZvUserProc help, intptr_t user);
