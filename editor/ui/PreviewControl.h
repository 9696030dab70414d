// The preview of a conversion dialog: the dialog's picture drawn with the
// chosen conversion applied, or plain while the preview is switched off.
// The picture comes from the picture operations behind CLdPreviewPicture,
// which holds it for the dialog's life.
#pragma once

#include "editor/ui/Conversion.h"

#include <QFrame>
#include <QImage>
#include <memory>
#include <optional>

class CLdPreviewPicture {
public:
    virtual ~CLdPreviewPicture() = default;
    // The picture fitted into size, converted by effect (null: as it is).
    // A cancelled or failed rendering gives a null image.
    virtual QImage Render(const CLdConversion* effect, const QSize& size) = 0;
};

class PreviewControl : public QFrame {
public:
    static constexpr uint32_t IDC_PREVIEW = 1028;

    PreviewControl(std::shared_ptr<CLdPreviewPicture> picture, bool showEffect, QWidget* parent = nullptr);

    void SetEffect(const CLdConversion& effect);
    void EnablePreview(bool showEffect);

    const std::optional<CLdConversion>& Effect() const { return effect_; }
    bool ShowsEffect() const { return showEffect_; }
    // What is drawn now: the effect when it is set and switched on.
    const CLdConversion* ShownEffect() const { return showEffect_ && effect_ ? &*effect_ : nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<CLdPreviewPicture> picture_;
    bool showEffect_;
    std::optional<CLdConversion> effect_;
};
