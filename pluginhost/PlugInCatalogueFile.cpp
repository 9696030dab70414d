// Reading and writing the catalogue file (layout: CatalogueFileLayout.h).
#include "pluginhost/CatalogueFileLayout.h"
#include "pluginhost/FixedString.h"
#include "base/QnLittleEndian.h"
#include "pluginhost/PlugInCatalogue.h"
#include "platform/AtomicFile.h"

#include "base/QnExcept.h"

#include <cstring>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

using namespace CatalogueFile;

// Larger files are not catalogues this library wrote.
constexpr uint32_t kMaxPlugins = 100000;

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<uint64_t>(st.st_size) > FileSize(0xFFFF, kMaxPlugins))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(st.st_size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return std::nullopt;
    return bytes;
}

// A string field read from the file: it must end within its field.
template <size_t N>
bool ReadFixed(const uint8_t* field, char (&dst)[N])
{
    std::memcpy(dst, field, N);
    return std::memchr(dst, '\0', N) != nullptr;
}

struct FileRecord {
    PlugInRecord record;
    char category[kPlugInCategoryNameSize];
};

bool ParseRecord(const uint8_t* p, FileRecord& out)
{
    PlugInRecord& r = out.record;
    if (!ReadFixed(p + offsetof(Record, path), r.path) || !*r.path)
        return false;
    r.timeLow = QnGetLE32(p + offsetof(Record, timeLow));
    r.timeHigh = QnGetLE32(p + offsetof(Record, timeHigh));
    if (!ReadFixed(p + offsetof(Record, category), out.category) ||
        !ReadFixed(p + offsetof(Record, name), r.name) ||
        !ReadFixed(p + offsetof(Record, entry), r.entry) || !*r.entry ||
        !ReadFixed(p + offsetof(Record, aboutEntry), r.aboutEntry))
        return false;
    r.modes = QnGetLE16(p + offsetof(Record, modes));
    std::memcpy(r.filterCases, p + offsetof(Record, filterCases), sizeof(r.filterCases));
    return true;
}

void PutFixed(uint8_t* field, size_t size, std::string_view text)
{
    const size_t n = text.size() < size ? text.size() : size - 1;
    std::memcpy(field, text.data(), n);
}

} // namespace

void PlugInCatalogue::ReadFile(const std::string& path)
{
    folders_.Clear();
    const std::optional<std::vector<uint8_t>> file = ReadWholeFile(path);
    if (!file || file->size() < kHeaderSize || QnGetLE16(file->data()) != kVersion ||
        std::memcmp(file->data() + offsetof(Header, magic), kMagic, 4) != 0) {
        dirty = true;
        return;
    }
    const uint8_t* bytes = file->data();
    const uint64_t size = file->size();
    const uint16_t folderCount = QnGetLE16(bytes + offsetof(Header, folderCount));
    const uint32_t folderOffset = QnGetLE32(bytes + offsetof(Header, folderOffset));
    const uint32_t pluginCount = QnGetLE32(bytes + offsetof(Header, pluginCount));
    const uint32_t pluginOffset = QnGetLE32(bytes + offsetof(Header, pluginOffset));

    // Folders: the user's own list, kept whenever its section is sound.
    if (folderCount != 0) {
        const bool sound = folderOffset == FolderOffset() &&
                           uint64_t{folderOffset} + 2 + uint64_t{kFolderSize} * folderCount <= size &&
                           QnGetLE16(bytes + folderOffset) == folderCount;
        for (uint32_t i = 0; sound && i < folderCount; ++i) {
            char folder[kFolderSize];
            if (!ReadFixed(bytes + folderOffset + 2 + kFolderSize * i, folder) || !folders_.Add(folder)) {
                folders_.Clear();
                break;
            }
        }
        if (!sound || folders_.Empty()) {
            folders_.Clear();
            dirty = true;
            return;
        }
    }

    // Records: taken only from a section that is sound throughout, else the
    // scan rebuilds them all from the folders.
    if (pluginCount > kMaxPlugins || pluginOffset != PluginOffset(folderCount) ||
        size != FileSize(folderCount, pluginCount) || QnGetLE32(bytes + pluginOffset) != pluginCount) {
        dirty = true;
        return;
    }
    std::vector<FileRecord> records(pluginCount);
    for (uint32_t i = 0; i < pluginCount; ++i) {
        if (!ParseRecord(bytes + pluginOffset + 4 + uint64_t{kRecordSize} * i, records[i])) {
            dirty = true;
            return;
        }
    }
    for (FileRecord& fileRecord : records) {
        fileRecord.record.category = categories_.Add(fileRecord.category);
        AddRecord(fileRecord.record);
    }
}

bool PlugInCatalogue::WriteFile(const std::string& path) const
{
    const auto folderCount = static_cast<uint32_t>(folders_.Count());
    const auto pluginCount = static_cast<uint32_t>(entries_.size());
    if (folderCount > 0xFFFF || pluginCount > kMaxPlugins)
        return false;
    std::vector<uint8_t> bytes(FileSize(folderCount, pluginCount), 0);
    uint8_t* p = bytes.data();

    QnPutLE16(p, kVersion);
    std::memcpy(p + offsetof(Header, magic), kMagic, 4);
    QnPutLE16(p + offsetof(Header, folderCount), static_cast<uint16_t>(folderCount));
    QnPutLE32(p + offsetof(Header, folderOffset), FolderOffset());
    QnPutLE32(p + offsetof(Header, pluginCount), pluginCount);
    QnPutLE32(p + offsetof(Header, pluginOffset), PluginOffset(folderCount));

    if (folderCount) {
        QnPutLE16(p + FolderOffset(), static_cast<uint16_t>(folderCount));
        for (uint32_t i = 0; i < folderCount; ++i)
            PutFixed(p + FolderOffset() + 2 + kFolderSize * i, kFolderSize, folders_[i]);
    }

    uint8_t* section = p + PluginOffset(folderCount);
    QnPutLE32(section, pluginCount);
    for (uint32_t i = 0; i < pluginCount; ++i) {
        const PlugInRecord& r = entries_[i]->record;
        uint8_t* out = section + 4 + size_t{kRecordSize} * i;
        PutFixed(out + offsetof(Record, path), sizeof(Record::path), FixedView(r.path));
        QnPutLE32(out + offsetof(Record, timeLow), r.timeLow);
        QnPutLE32(out + offsetof(Record, timeHigh), r.timeHigh);
        const char* category = categories_.Name(r.category);
        PutFixed(out + offsetof(Record, category), sizeof(Record::category), category ? category : "");
        PutFixed(out + offsetof(Record, name), sizeof(Record::name), FixedView(r.name));
        QnPutLE16(out + offsetof(Record, modes), r.modes);
        PutFixed(out + offsetof(Record, entry), sizeof(Record::entry), FixedView(r.entry));
        PutFixed(out + offsetof(Record, aboutEntry), sizeof(Record::aboutEntry), FixedView(r.aboutEntry));
        QnPutLE32(out + offsetof(Record, id), r.id);
        std::memcpy(out + offsetof(Record, filterCases), r.filterCases, sizeof(r.filterCases));
    }
    try {
        platform::AtomicFile::Replace(path, bytes);
        return true;
    } catch (const QnExcept&) {
        return false; // the old file stays as it was
    }
}
