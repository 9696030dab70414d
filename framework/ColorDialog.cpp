#include "framework/ColorDialog.h"

#include <QColorDialog>

namespace fw {
namespace {
ColorDialogHook& Hook()
{
    static ColorDialogHook hook;
    return hook;
}
}  // namespace

ColorDialogHook SetColorDialogHook(ColorDialogHook hook)
{
    std::swap(Hook(), hook);
    return hook;
}

std::optional<ColorRef> RunColorDialog(ColorRef initial, QWidget* owner)
{
    if (Hook())
        return Hook()(initial);
    const QColor chosen = QColorDialog::getColor(QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), owner);
    if (!chosen.isValid())
        return std::nullopt;
    return Rgb(static_cast<uint8_t>(chosen.red()), static_cast<uint8_t>(chosen.green()),
               static_cast<uint8_t>(chosen.blue()));
}

}  // namespace fw
