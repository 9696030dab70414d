#include "editor/mail/XdgEmail.h"

#include <QStandardPaths>

namespace {

// xdg-email's exit code when it found no composer to hand the message to.
constexpr int kNoTool = 3;

} // namespace

std::string CLdXdgEmail::Find()
{
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email")).toStdString();
}

CLdXdgEmail::Result CLdXdgEmail::ResultOf(QProcess::ExitStatus status, int exitCode)
{
    if (status != QProcess::NormalExit)
        return SendFailed;
    if (exitCode == 0)
        return Sent;
    return exitCode == kNoTool ? NoMailSystem : SendFailed;
}

CLdXdgEmail::CLdXdgEmail(std::string program, std::string attachment, Done done, const Text& text)
    : attachment_(std::move(attachment)), done_(std::move(done))
{
    process_.setProgram(QString::fromStdString(program));
    QStringList arguments{QStringLiteral("--attach"), QString::fromStdString(attachment_)};
    if (!text.subject.empty())
        arguments << QStringLiteral("--subject") << QString::fromStdString(text.subject);
    if (!text.body.empty())
        arguments << QStringLiteral("--body") << QString::fromStdString(text.body);
    process_.setArguments(arguments);
    // Its complaints go where the editor's own go; it reads nothing.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardInputFile(QProcess::nullDevice());
    QObject::connect(&process_, &QProcess::finished, [this](int exitCode, QProcess::ExitStatus status) {
        End(ResultOf(status, exitCode));
    });
    QObject::connect(&process_, &QProcess::errorOccurred, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            End(InvalidMailSystem);
    });
}

void CLdXdgEmail::Start()
{
    process_.start();
    // A program that cannot run is known at once; the user is told now,
    // not at some later turn of the event loop.
    process_.waitForStarted(-1);
}

void CLdXdgEmail::WaitForFinished()
{
    if (IsRunning())
        process_.waitForFinished(-1);
}

void CLdXdgEmail::End(Result result)
{
    if (ended_)
        return;
    ended_ = true;
    if (done_)
        done_(result);
}
