#include "tasks/module/panels/LdPanelIcon.h"

#include "editor/loadable/LdModule.h"

#include <QAbstractButton>
#include <QIcon>
#include <QKeySequence>
#include <QPixmap>

void LdSetButtonIcon(QAbstractButton* button, const CLdModule* module, int32_t id)
{
    if (!module || !button)
        return;
    const std::vector<uint8_t> bytes = module->FindIcon(id);
    QPixmap picture;
    if (bytes.empty() || !picture.loadFromData(bytes.data(), uint(bytes.size())))
        return;
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(16, 16));
    // The letter stays the button's name and, with its mnemonic, its key.
    const QString text = button->text();
    button->setAccessibleName(text);
    button->setShortcut(QKeySequence::mnemonic(text));
    button->setText(QString());
}
