// Another program on the same display, for the clipboard tests:
//   ClipboardPeer put <mime> <file>  offers the file's bytes as <mime>, says
//                                    "ready" and serves until it is ended;
//   ClipboardPeer get <mime> <file>  writes what the clipboard holds as
//                                    <mime> to the file (exit 1: nothing).
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString mode = argv[1], mime = argv[2], path = argv[3];
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (mode == "put") {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        auto* data = new QMimeData;
        data->setData(mime, file.readAll());
        clipboard->setMimeData(data);
        std::printf("ready\n");
        std::fflush(stdout);
        return app.exec();
    }
    // The owner may take a moment to answer.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QMimeData* data = clipboard->mimeData();
        const QByteArray bytes = data ? data->data(mime) : QByteArray();
        if (!bytes.isEmpty()) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? 0 : 1;
        }
        QThread::msleep(50);
        QCoreApplication::processEvents();
    }
    return 1;
}
