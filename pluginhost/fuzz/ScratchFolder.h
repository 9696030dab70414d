// The plug-in host reads its files by path: the fuzz targets write each
// input to a file in a folder of their own, made once per process and
// removed when it ends. The folder is in memory when the system offers a
// memory file system (/dev/shm), where writing, syncing and reading a file
// cost no disk.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code error;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "qnfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    // name in the folder, holding bytes.
    std::string Write(const std::string& name, const uint8_t* data, size_t size) const
    {
        const std::string path = path_ + "/" + name;
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), std::streamsize(size));
        return path;
    }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};
