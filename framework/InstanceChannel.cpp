#include "framework/InstanceChannel.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/EventGuard.h"

namespace fw {
namespace {

constexpr uint32_t kMagic = 0x43494E51;  // "QNIC"
constexpr uint32_t kMaxItems = 4096;
constexpr uint32_t kMaxItemBytes = 1 << 20;
constexpr char kAck = 'A';

std::string UserName()
{
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name && *pw->pw_name)
        return pw->pw_name;
    return std::to_string(::getuid());
}

std::string Prefix(const std::string& program)
{
    return program + "-" + UserName() + "-";
}

bool ProcessAlive(int64_t pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

void PutU32(QByteArray& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>(v >> (8 * i)));
}

uint32_t GetU32(const QByteArray& in, qsizetype at)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<uint8_t>(in[at + i])) << (8 * i);
    return v;
}

enum class Parse { Incomplete, Bad, Done };

// Parses one whole message from the front of buffer.
Parse ParseMessage(const QByteArray& buffer, InstanceChannel::Kind& kind, std::vector<std::string>& items)
{
    if (buffer.size() < 12)
        return Parse::Incomplete;
    if (GetU32(buffer, 0) != kMagic)
        return Parse::Bad;
    const uint32_t k = GetU32(buffer, 4);
    const uint32_t count = GetU32(buffer, 8);
    if (k < 1 || k > 3 || count > kMaxItems)
        return Parse::Bad;
    // A copy-data message is its 4-byte kind number and its block.
    if (k == 3 && count != 2)
        return Parse::Bad;
    qsizetype at = 12;
    std::vector<std::string> read;
    for (uint32_t i = 0; i < count; ++i) {
        if (buffer.size() < at + 4)
            return Parse::Incomplete;
        const uint32_t length = GetU32(buffer, at);
        if (length > kMaxItemBytes)
            return Parse::Bad;
        at += 4;
        if (buffer.size() < at + length)
            return Parse::Incomplete;
        read.emplace_back(buffer.constData() + at, length);
        at += length;
    }
    if (k == 3 && read[0].size() != 4)
        return Parse::Bad;
    kind = static_cast<InstanceChannel::Kind>(k);
    items = std::move(read);
    return Parse::Done;
}

}  // namespace

InstanceChannel::InstanceChannel(std::string program) : program_(std::move(program)) {}

InstanceChannel::~InstanceChannel()
{
    if (server_)
        server_->close();  // removes the socket file
}

std::string InstanceChannel::SocketFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath() + "/qn-runtime-" + QString::number(::getuid());
    const QString folder = base + "/qn-instances";
    QDir().mkpath(folder);
    ::chmod(folder.toLocal8Bit().constData(), 0700);
    return folder.toStdString();
}

std::string InstanceChannel::ServerPath(const std::string& program, int64_t pid)
{
    return SocketFolder() + "/" + Prefix(program) + std::to_string(pid);
}

bool InstanceChannel::Listen()
{
    serverPath_ = ServerPath(program_, ::getpid());
    // A socket left by an ended process of the same id is stale.
    QLocalServer::removeServer(QString::fromStdString(serverPath_));
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(QString::fromStdString(serverPath_))) {
        server_.reset();
        return false;
    }
    connect(server_.get(), &QLocalServer::newConnection, this, [this] { OnNewConnection(); });
    return true;
}

void InstanceChannel::OnNewConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadable(socket); });
        if (socket->bytesAvailable() > 0)
            OnReadable(socket);
    }
}

void InstanceChannel::OnReadable(QLocalSocket* socket)
{
    QByteArray buffer = socket->property("fwBuffer").toByteArray() + socket->readAll();
    Kind kind{};
    std::vector<std::string> items;
    switch (ParseMessage(buffer, kind, items)) {
    case Parse::Incomplete:
        socket->setProperty("fwBuffer", buffer);
        return;
    case Parse::Bad:
        socket->abort();
        return;
    case Parse::Done:
        break;
    }
    socket->setProperty("fwBuffer", QByteArray());
    socket->write(&kAck, 1);
    socket->flush();
    // The sender goes on as soon as it has the receipt; the handlers run
    // from the event loop.
    QMetaObject::invokeMethod(
        this,
        [this, kind, items] {
            GuardedCall([&] {
                if (kind == Kind::CommandLine && onCommandLine)
                    onCommandLine(items);
                else if (kind == Kind::DropFiles && onDropFiles)
                    onDropFiles(items);
                else if (kind == Kind::CopyData && onCopyData)
                    onCopyData(GetU32(QByteArray::fromStdString(items[0]), 0), items[1]);
            });
        },
        Qt::QueuedConnection);
}

std::vector<int64_t> InstanceChannel::FindRunning(const std::string& program)
{
    const QDir folder(QString::fromStdString(SocketFolder()));
    const QString prefix = QString::fromStdString(Prefix(program));
    std::vector<std::pair<qint64, int64_t>> found;
    for (const QFileInfo& entry : folder.entryInfoList(QDir::System | QDir::Files | QDir::Hidden)) {
        const QString name = entry.fileName();
        if (!name.startsWith(prefix))
            continue;
        bool ok = false;
        const int64_t pid = name.mid(prefix.size()).toLongLong(&ok);
        if (!ok || pid == ::getpid())
            continue;
        if (!ProcessAlive(pid)) {
            QFile::remove(entry.absoluteFilePath());
            continue;
        }
        found.emplace_back(entry.birthTime().isValid() ? entry.birthTime().toMSecsSinceEpoch()
                                                       : entry.lastModified().toMSecsSinceEpoch(),
                           pid);
    }
    std::sort(found.begin(), found.end());
    std::vector<int64_t> pids;
    for (const auto& f : found)
        pids.push_back(f.second);
    return pids;
}

bool InstanceChannel::IsRunning(const std::string& program, int64_t pid)
{
    return ProcessAlive(pid) && QFileInfo::exists(QString::fromStdString(ServerPath(program, pid)));
}

bool InstanceChannel::Send(const std::string& program, int64_t pid, Kind kind, const std::vector<std::string>& items,
                           int timeoutMs)
{
    if (items.size() > kMaxItems)
        return false;
    QByteArray message;
    PutU32(message, kMagic);
    PutU32(message, static_cast<uint32_t>(kind));
    PutU32(message, static_cast<uint32_t>(items.size()));
    for (const std::string& item : items) {
        if (item.size() > kMaxItemBytes)
            return false;
        PutU32(message, static_cast<uint32_t>(item.size()));
        message.append(item.data(), static_cast<qsizetype>(item.size()));
    }
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(ServerPath(program, pid)));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(message);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(timeoutMs))
            return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    char ack = 0;
    return socket.read(&ack, 1) == 1 && ack == kAck;
}

bool InstanceChannel::SendCopyData(const std::string& program, int64_t pid, uint32_t dataKind,
                                   const std::string& data, int timeoutMs)
{
    QByteArray kindBytes;
    PutU32(kindBytes, dataKind);
    return Send(program, pid, Kind::CopyData, {kindBytes.toStdString(), data}, timeoutMs);
}

}  // namespace fw
