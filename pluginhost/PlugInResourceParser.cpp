#include "pluginhost/PlugInResourceParser.h"

#include "filters/sdk/PIFilter.h"
#include "pluginhost/FixedString.h"
#include "base/QnLittleEndian.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kVendor8BIM = PI_FOURCC('8', 'B', 'I', 'M');
constexpr uint32_t kKeyCategory = PI_FOURCC('c', 'a', 't', 'g');
constexpr uint32_t kKeyFilterCases = PI_FOURCC('f', 'i', 'c', 'i');
constexpr uint32_t kKeyKind = PI_FOURCC('k', 'i', 'n', 'd');
constexpr uint32_t kKeyMode = PI_FOURCC('m', 'o', 'd', 'e');
constexpr uint32_t kKeyName = PI_FOURCC('n', 'a', 'm', 'e');
constexpr uint32_t kKeyEntry = PI_FOURCC('w', 'x', '8', '6');

constexpr size_t kListHeaderSize = 10;
constexpr size_t kPropertyHeaderSize = 16;
constexpr size_t kPropertyDataMax = 260;
constexpr int32_t kLastResourceId = 32766;
constexpr size_t kMaxNameLength = 127;

// The characters of a length-prefixed string held in a property's data.
std::string PascalString(const uint8_t* data, size_t available, size_t maxLength)
{
    if (available == 0)
        return {};
    const size_t length = std::min<size_t>({data[0], available - 1, maxLength});
    return std::string(reinterpret_cast<const char*>(data + 1), length);
}

// A NUL-ended string at most available bytes long.
std::string CString(const uint8_t* data, size_t available)
{
    return std::string(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), available));
}

bool EqualsIgnoringCase(const uint8_t* bytes, const char* text, size_t n)
{
    auto lower = [](uint8_t c) { return c >= 'A' && c <= 'Z' ? static_cast<uint8_t>(c - 'A' + 'a') : c; };
    for (size_t i = 0; i < n; ++i)
        if (lower(bytes[i]) != lower(static_cast<uint8_t>(text[i])))
            return false;
    return true;
}

// Property lists are tried by id in this order: 16000, 16, then 1 and up.
int32_t ResourceOrder(int32_t id) { return id == 16000 ? -2 : id == 16 ? -1 : id; }

} // namespace

bool ParsePlugInPropertyList(std::span<const uint8_t> bytes, ParsedPlugIn& out, std::string& firstEntry,
                             bool& stopModule)
{
    stopModule = false;
    if (bytes.size() < kListHeaderSize || QnGetLE16(bytes.data()) != 1)
        return false;
    if (QnGetLE32(bytes.data() + 2) != 0) {
        stopModule = true;
        return false;
    }
    const uint32_t count = QnGetLE32(bytes.data() + 6);
    out = ParsedPlugIn{};
    bool isFilter = false;
    size_t offset = kListHeaderSize;
    for (uint32_t i = 0; i < count; ++i) {
        if (bytes.size() - offset < kPropertyHeaderSize)
            return false; // the list runs past its resource
        const uint8_t* header = bytes.data() + offset;
        const uint32_t vendor = QnGetLE32(header);
        const uint32_t key = QnGetLE32(header + 4);
        const uint32_t length = QnGetLE32(header + 12);
        if (vendor != kVendor8BIM)
            break;
        const size_t available = bytes.size() - offset - kPropertyHeaderSize;
        if (length > available)
            return false;
        uint8_t data[kPropertyDataMax + 1] = {};
        std::memcpy(data, header + kPropertyHeaderSize, std::min<size_t>(length, kPropertyDataMax));
        const size_t size = std::min<size_t>(length, kPropertyDataMax);
        switch (key) {
        case kKeyCategory:
            out.category = PascalString(data, size, kPlugInCategoryNameSize - 1);
            break;
        case kKeyFilterCases:
            std::memcpy(out.record.filterCases, data, sizeof(out.record.filterCases));
            break;
        case kKeyKind:
            if (size < 4 || !EqualsIgnoringCase(data, "MFB8", 4)) {
                stopModule = true;
                return false;
            }
            isFilter = true;
            break;
        case kKeyMode:
            out.record.modes = QnGetLE16(data);
            break;
        case kKeyName:
            CopyFixed(out.record.name, PascalString(data, size, kMaxNameLength));
            break;
        case kKeyEntry: {
            const std::string entry = CString(data, size);
            CopyFixed(out.record.entry, entry);
            if (firstEntry.empty())
                firstEntry = FixedView(out.record.entry);
            break;
        }
        default:
            break;
        }
        // The data is padded to four bytes whether or not the length counts
        // the padding.
        offset += kPropertyHeaderSize + ((uint64_t{length} + 3) & ~uint64_t{3});
        if (offset > bytes.size())
            offset = bytes.size();
    }
    return isFilter && out.record.entry[0] != '\0';
}

std::vector<ParsedPlugIn> ReadModulePiPL(const platform::ResourceTable& resources)
{
    std::vector<int32_t> ids;
    for (const platform::ResourceName& name : resources.Ids("PiPL"))
        if (name.IsNumber() && name.Number() >= 1 && name.Number() <= uint32_t{kLastResourceId})
            ids.push_back(static_cast<int32_t>(name.Number()));
    std::sort(ids.begin(), ids.end(), [](int32_t a, int32_t b) { return ResourceOrder(a) < ResourceOrder(b); });
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());

    std::vector<ParsedPlugIn> found;
    std::string firstEntry;
    for (int32_t id : ids) {
        const auto bytes = resources.Find("PiPL", static_cast<uint32_t>(id));
        if (!bytes)
            continue;
        ParsedPlugIn plugIn;
        bool stopModule = false;
        if (ParsePlugInPropertyList(*bytes, plugIn, firstEntry, stopModule))
            found.push_back(std::move(plugIn));
        if (stopModule)
            break;
    }
    for (ParsedPlugIn& plugIn : found)
        CopyFixed(plugIn.record.aboutEntry, firstEntry);
    return found;
}

std::vector<ParsedPlugIn> ReadModuleOldForm(const platform::ResourceTable& resources)
{
    std::vector<ParsedPlugIn> found;
    for (int32_t i = 1; i <= kLastResourceId; ++i) {
        const auto number = static_cast<uint32_t>(i);
        const auto filterBytes = resources.Find("_8BFM", number);
        const auto infoBytes = resources.Find("PiMI", number);
        const bool haveRecord = filterBytes && filterBytes->size() >= 2 && QnGetLE16(filterBytes->data()) == 3;
        if (!infoBytes)
            break;
        const std::span<const uint8_t> info = *infoBytes;
        if (!haveRecord)
            continue;
        if (info.size() < 2 || QnGetLE16(info.data()) != 3)
            break;
        ParsedPlugIn plugIn;
        CopyFixed(plugIn.record.name, CString(filterBytes->data() + 2, filterBytes->size() - 2));
        const std::string category = CString(info.data() + 2, std::min<size_t>(info.size() - 2, kPlugInPathSize - 1));
        const size_t words = 2 + category.size() + 1;
        if (words + 6 * 2 + 4 > info.size() || info[2 + category.size()] != '\0')
            continue;
        const uint8_t* w = info.data() + words;
        const uint32_t signature = QnGetLE32(w + 12);
        const uint16_t w4 = QnGetLE16(w + 8);
        if (QnGetLE16(w) != 4 || QnGetLE16(w + 2) != 0 || QnGetLE16(w + 6) != 16 || w4 > 1 ||
            (signature != 0x20202020 && signature != PI_HOST_SIG_FXGATE))
            continue;
        plugIn.category = category.substr(0, kPlugInCategoryNameSize - 1);
        plugIn.record.modes = QnGetLE16(w + 10);
        CopyFixed(plugIn.record.entry, "ENTRYPOINT" + std::to_string(i));
        if (i == 1)
            CopyFixed(plugIn.record.aboutEntry, "ENTRYPOINT1");
        found.push_back(std::move(plugIn));
    }
    return found;
}
