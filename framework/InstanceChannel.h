// One local socket per running program, named "<program>-<user>-<pid>" in
// the user's runtime folder, so that a second start can find the running
// instances of a program and hand them its command line, and another program
// (the album) can hand a running editor a list of files to open or a block of
// data marked with a kind number (the copy-data record of the system).
// Messages arrive on the GUI thread through the callbacks.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;

namespace fw {

class InstanceChannel : public QObject {
public:
    enum class Kind : uint32_t { CommandLine = 1, DropFiles = 2, CopyData = 3 };

    explicit InstanceChannel(std::string program);
    ~InstanceChannel() override;

    // Starts listening as this process; false when the socket cannot be made.
    bool Listen();
    const std::string& GetServerPath() const { return serverPath_; }

    // The folder holding the sockets of this user's programs.
    static std::string SocketFolder();
    // The socket of program's instance pid.
    static std::string ServerPath(const std::string& program, int64_t pid);
    // Process ids of the running instances of program of this user, other
    // than this process, oldest socket first; sockets of ended processes are
    // removed on the way.
    static std::vector<int64_t> FindRunning(const std::string& program);
    static bool IsRunning(const std::string& program, int64_t pid);

    // Hands the instance pid a message; true when it confirmed receipt.
    static bool Send(const std::string& program, int64_t pid, Kind kind, const std::vector<std::string>& items,
                     int timeoutMs = 3000);
    static bool SendCommandLine(const std::string& program, int64_t pid, const std::vector<std::string>& args,
                                int timeoutMs = 3000)
    {
        return Send(program, pid, Kind::CommandLine, args, timeoutMs);
    }
    static bool SendDropFiles(const std::string& program, int64_t pid, const std::vector<std::string>& paths,
                              int timeoutMs = 3000)
    {
        return Send(program, pid, Kind::DropFiles, paths, timeoutMs);
    }

    // A block of data with its kind number; the receiver tells by the kind
    // and the size whether it knows the block.
    static bool SendCopyData(const std::string& program, int64_t pid, uint32_t dataKind, const std::string& data,
                             int timeoutMs = 3000);

    // Called on the GUI thread for each message received.
    std::function<void(const std::vector<std::string>&)> onCommandLine;
    std::function<void(const std::vector<std::string>&)> onDropFiles;
    std::function<void(uint32_t dataKind, const std::string& data)> onCopyData;

private:
    void OnNewConnection();
    void OnReadable(QLocalSocket* socket);

    std::string program_;
    std::string serverPath_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace fw
