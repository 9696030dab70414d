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

std::string HelpProvider::TopicPage(const std::string& helpFile, uint32_t id)
{
    const QFileInfo info(QString::fromStdString(helpFile));
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    const QString name = id == 0 ? QStringLiteral("index.html") : QString::number(id) + QStringLiteral(".html");
    return (folder + '/' + name).toStdString();
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
    if (command == HELP_CONTEXTPOPUP) {
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
