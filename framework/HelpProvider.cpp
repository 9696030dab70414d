#include "framework/HelpProvider.h"

#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QUrl>
#include <QWhatsThis>

#include "framework/App.h"

namespace fw {

HelpProvider& HelpProvider::Instance()
{
    static HelpProvider provider;
    return provider;
}

HelpProvider::Backend HelpProvider::SetBackend(Backend backend)
{
    std::swap(backend_, backend);
    return backend;
}

std::string HelpProvider::PageFolder(const std::string& helpFile)
{
    if (helpFile.empty())
        return {};
    const QFileInfo info(QString::fromStdString(helpFile));
    if (info.isDir())
        return info.absoluteFilePath().toStdString();
    // Help files keep the name the programs give them (".HLP" or ".hlp").
    return (info.absolutePath() + QStringLiteral("/help/") + info.completeBaseName()).toStdString();
}

std::string HelpProvider::TopicPage(const std::string& helpFile, uint32_t id)
{
    const std::string folder = PageFolder(helpFile);
    if (folder.empty())
        return {};
    return folder + '/' + (id == 0 ? std::string("index.html") : std::to_string(id) + ".html");
}

void HelpProvider::Show(const std::string& helpFile, uint32_t data, uint32_t command)
{
    HelpRequest request{helpFile, data, command, {}};
    const bool contents = command == HELP_FINDER || command == HELP_INDEX;
    if (command != HELP_QUIT)
        request.page = TopicPage(helpFile, contents ? 0 : data);
    if (backend_) {
        backend_(request);
        return;
    }
    if (request.page.empty() || !QFileInfo::exists(QString::fromStdString(request.page)))
        return;
    // Help on a control (F1 or a right click on it) is a pop-up too.
    if (command == HELP_CONTEXTPOPUP || command == HELP_WM_HELP || command == HELP_CONTEXTMENU) {
        QFile file(QString::fromStdString(request.page));
        if (!file.open(QIODevice::ReadOnly))
            return;
        QTextDocument page;
        page.setHtml(QString::fromUtf8(file.readAll()));
        QWhatsThis::showText(QCursor::pos(), page.toPlainText());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(request.page)));
}

}  // namespace fw
