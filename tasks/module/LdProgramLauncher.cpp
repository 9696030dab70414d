#include "tasks/module/LdProgramLauncher.h"

#include "platform/SystemError.h"

#include <QProcess>
#include <QStringList>

#include <cerrno>
#include <unistd.h>

namespace {

class DetachedLauncher : public CLdProgramLauncher {
public:
    bool Start(const std::string& program, const std::vector<std::string>& args, std::string* error) override
    {
        // QProcess says only that the start failed; the system says why.
        if (::access(program.c_str(), X_OK) != 0) {
            if (error)
                *error = platform::ErrnoText(errno);
            return false;
        }
        QStringList list;
        for (const std::string& arg : args)
            list << QString::fromStdString(arg);
        QProcess process;
        process.setProgram(QString::fromStdString(program));
        process.setArguments(list);
        if (process.startDetached())
            return true;
        if (error)
            *error = process.errorString().toStdString();
        return false;
    }
};

}  // namespace

CLdProgramLauncher& CLdProgramLauncher::Detached()
{
    static DetachedLauncher launcher;
    return launcher;
}
