// Saves a picture of a dialog as the user would see it into the folder
// named by TELVY12_GRAB_DIR, when it is set: a look at the layouts without
// a display.
#pragma once

#include <QDir>
#include <QWidget>
#include <string>

inline void GrabWhenAsked(QWidget& window, const std::string& name, bool fitToContents = true)
{
    const QString folder = qEnvironmentVariable("TELVY12_GRAB_DIR");
    if (folder.isEmpty())
        return;
    if (fitToContents)
        window.adjustSize();
    window.grab().save(QDir(folder).filePath(QString::fromStdString(name) + ".png"));
}
