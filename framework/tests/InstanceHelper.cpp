// A second instance for the instance-channel test: finds the running
// instance of the program named first and hands it the remaining arguments.
#include <QCoreApplication>
#include <vector>

#include "framework/InstanceChannel.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const std::vector<int64_t> running = fw::InstanceChannel::FindRunning(argv[1]);
    if (running.empty())
        return 3;
    std::vector<std::string> args(argv + 2, argv + argc);
    return fw::InstanceChannel::SendCommandLine(argv[1], running.front(), args) ? 0 : 4;
}
