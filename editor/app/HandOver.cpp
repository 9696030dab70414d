#include "editor/app/HandOver.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include "editor/app/CommandLine.h"
#include "editor/app/Lodo40App.h"
#include "framework/InstanceChannel.h"

bool LdHandFilesOver(int64_t pid, const std::vector<std::string>& args)
{
    CMyCommandLineInfo info;
    LdParseCommandLine(args, info);
    if (info.files.empty())
        return false;
    for (const std::string& file : info.files) {
        const std::string absolute = QFileInfo(QString::fromStdString(file)).absoluteFilePath().toStdString();
        if (!fw::InstanceChannel::SendDropFiles(CLodo40App::kProgramName, pid, {absolute}))
            return false;
    }
    return true;
}

bool LdStartDetached(const std::string& program, const std::vector<std::string>& args)
{
    QStringList list;
    for (const std::string& arg : args)
        list << QString::fromStdString(arg);
    return QProcess::startDetached(QString::fromStdString(program), list);
}
