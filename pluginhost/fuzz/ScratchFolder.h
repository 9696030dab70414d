// The plug-in host reads its files by path: the fuzz targets write each
// input to a file in a folder of their own, made once per process and
// removed when it ends.
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
        std::string pattern = (std::filesystem::temp_directory_path() / "qnfuzz-XXXXXX").string();
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
