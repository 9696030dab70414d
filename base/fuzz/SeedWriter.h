// The seed makers of the fuzz targets: each writes its corpus, a few small
// files made with the suite's own writers, into the folder it is given.
#pragma once

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <span>
#include <string>

class SeedWriter {
public:
    // The folder from the command line; false (with a usage line) without one.
    bool Open(int argc, char** argv)
    {
        if (argc != 2) {
            std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
            return false;
        }
        folder_ = argv[1];
        return true;
    }

    void Write(const std::string& name, std::span<const uint8_t> bytes)
    {
        std::ofstream(folder_ + "/" + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        ++written_;
    }

    // The path of a seed that a writer of the suite puts there itself.
    std::string PathFor(const std::string& name)
    {
        ++written_;
        return folder_ + "/" + name;
    }

    int Done() const
    {
        std::printf("%d seeds in %s\n", written_, folder_.c_str());
        return written_ > 0 ? 0 : 1;
    }

private:
    std::string folder_;
    int written_ = 0;
};
