#include "tasks/module/LdGSettingsWallpaper.h"

#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace {

// A desktop that does not answer within this time is taken as absent.
constexpr int kTimeoutMs = 5000;

std::optional<std::string> Run(const std::string& program, const QStringList& args)
{
    QProcess process;
    process.start(QString::fromStdString(program), args, QIODevice::ReadOnly);
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput().trimmed().toStdString();
}

}  // namespace

std::string CLdGSettingsWallpaper::Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

std::optional<std::string> CLdGSettingsWallpaper::Unquote(std::string text)
{
    if (text.size() < 2 || (text.front() != '\'' && text.front() != '"') || text.back() != text.front())
        return std::nullopt;
    std::string plain;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '\\' && i + 2 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

std::optional<std::string> CLdGSettingsWallpaper::Get(const char* key) const
{
    const std::optional<std::string> printed = Run(program_, {"get", kSchema, key});
    return printed ? Unquote(*printed) : std::nullopt;
}

bool CLdGSettingsWallpaper::SetKey(const char* key, const std::string& value) const
{
    return Run(program_, {"set", kSchema, key, QString::fromStdString(Quote(value))}).has_value();
}

CLdWallpaperBackend::State CLdGSettingsWallpaper::Current()
{
    State state;
    const std::string placement = Get("picture-options").value_or("none");
    if (placement == "none")
        return state;
    state.placement = placement;
    state.tiled = placement == "wallpaper";
    const QUrl uri(QString::fromStdString(Get("picture-uri").value_or("")));
    state.file = uri.isLocalFile() ? uri.toLocalFile().toStdString() : uri.toString().toStdString();
    return state;
}

void CLdGSettingsWallpaper::Set(const State& state)
{
    if (state.file.empty()) {
        SetKey("picture-options", "none");
        return;
    }
    const std::string uri =
        QUrl::fromLocalFile(QString::fromStdString(state.file)).toString(QUrl::FullyEncoded).toStdString();
    if (!SetKey("picture-uri", uri))
        return;
    // Desktops before the dark style have no such key; that is no failure.
    SetKey("picture-uri-dark", uri);
    SetKey("picture-options", !state.placement.empty() ? state.placement : state.tiled ? "wallpaper" : "centered");
}
