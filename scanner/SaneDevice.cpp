#include "scanner/SaneDevice.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "scanner/SaneRead.h"
#include "scanner/ScanExcept.h"

namespace {

SANE_Handle Handle(void* handle)
{
    return static_cast<SANE_Handle>(handle);
}

bool Settable(const SANE_Option_Descriptor* option)
{
    return option && SANE_OPTION_IS_ACTIVE(option->cap) && SANE_OPTION_IS_SETTABLE(option->cap);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

}  // namespace

QnSaneDevice::QnSaneDevice(const std::string& name) : name_(name)
{
    SANE_Handle handle = nullptr;
    const SANE_Status status = sane_open(name.c_str(), &handle);
    if (status != SANE_STATUS_GOOD)
        QnScanExcept("The scanner \"" + name + "\" can't be opened: " + sane_strstatus(status), __LINE__).raise();
    handle_ = handle;
}

QnSaneDevice::~QnSaneDevice()
{
    sane_close(Handle(handle_));
}

int32_t QnSaneDevice::FindOption(const char* name) const
{
    SANE_Int count = 0;
    if (sane_control_option(Handle(handle_), 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return -1;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* option = sane_get_option_descriptor(Handle(handle_), i);
        if (option && option->name && std::strcmp(option->name, name) == 0)
            return i;
    }
    return -1;
}

std::string QnSaneDevice::ModeNamed(bool colour) const
{
    const int32_t index = FindOption(SANE_NAME_SCAN_MODE);
    const SANE_Option_Descriptor* option = index < 0 ? nullptr : sane_get_option_descriptor(Handle(handle_), index);
    if (!Settable(option) || option->constraint_type != SANE_CONSTRAINT_STRING_LIST)
        return "";
    // Back ends name the modes in their own words; these are the common ones.
    for (const SANE_String_Const* mode = option->constraint.string_list; *mode; ++mode) {
        const std::string word = Lower(*mode);
        const bool names = colour ? word.find("colo") != std::string::npos
                                  : word.find("gray") != std::string::npos || word.find("grey") != std::string::npos;
        if (names)
            return *mode;
    }
    return "";
}

bool QnSaneDevice::OffersColour() const
{
    return !ModeNamed(true).empty();
}

bool QnSaneDevice::OffersGrey() const
{
    return !ModeNamed(false).empty();
}

void QnSaneDevice::SetColour(bool colour)
{
    const std::string mode = ModeNamed(colour);
    const int32_t index = FindOption(SANE_NAME_SCAN_MODE);
    if (mode.empty() || index < 0)
        return;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(Handle(handle_), index);
    std::vector<char> value(size_t(std::max<SANE_Int>(option->size, SANE_Int(mode.size() + 1))), '\0');
    std::memcpy(value.data(), mode.c_str(), mode.size());
    sane_control_option(Handle(handle_), index, SANE_ACTION_SET_VALUE, value.data(), nullptr);
}

std::vector<int32_t> QnSaneDevice::Resolutions() const
{
    const int32_t index = FindOption(SANE_NAME_SCAN_RESOLUTION);
    const SANE_Option_Descriptor* option = index < 0 ? nullptr : sane_get_option_descriptor(Handle(handle_), index);
    if (!Settable(option))
        return {};
    const auto toDpi = [&](SANE_Word word) {
        return option->type == SANE_TYPE_FIXED ? int32_t(SANE_UNFIX(word) + 0.5) : int32_t(word);
    };
    std::vector<int32_t> choices;
    if (option->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word* list = option->constraint.word_list;
        for (SANE_Word i = 1; i <= list[0]; ++i)
            choices.push_back(toDpi(list[i]));
    } else if (option->constraint_type == SANE_CONSTRAINT_RANGE) {
        const int32_t low = toDpi(option->constraint.range->min);
        const int32_t high = toDpi(option->constraint.range->max);
        for (int32_t dpi : {50, 75, 100, 150, 200, 300, 600, 1200, 2400})
            if (dpi >= low && dpi <= high)
                choices.push_back(dpi);
    }
    std::sort(choices.begin(), choices.end());
    choices.erase(std::unique(choices.begin(), choices.end()), choices.end());
    return choices;
}

void QnSaneDevice::SetResolution(int32_t dpi)
{
    const int32_t index = FindOption(SANE_NAME_SCAN_RESOLUTION);
    const SANE_Option_Descriptor* option = index < 0 ? nullptr : sane_get_option_descriptor(Handle(handle_), index);
    if (!Settable(option))
        return;
    const std::vector<int32_t> choices = Resolutions();
    if (option->constraint_type == SANE_CONSTRAINT_WORD_LIST && !choices.empty())
        dpi = *std::min_element(choices.begin(), choices.end(),
                                [dpi](int32_t a, int32_t b) { return std::abs(a - dpi) < std::abs(b - dpi); });
    // A value between the steps of a range is rounded by the back end.
    SANE_Word value = option->type == SANE_TYPE_FIXED ? SANE_FIX(dpi) : SANE_Word(dpi);
    sane_control_option(Handle(handle_), index, SANE_ACTION_SET_VALUE, &value, nullptr);
}

int32_t QnSaneDevice::Resolution() const
{
    const int32_t index = FindOption(SANE_NAME_SCAN_RESOLUTION);
    const SANE_Option_Descriptor* option = index < 0 ? nullptr : sane_get_option_descriptor(Handle(handle_), index);
    SANE_Word value = 0;
    if (!option || option->size != sizeof(SANE_Word) ||
        sane_control_option(Handle(handle_), index, SANE_ACTION_GET_VALUE, &value, nullptr) != SANE_STATUS_GOOD)
        return 0;
    return option->type == SANE_TYPE_FIXED ? int32_t(SANE_UNFIX(value) + 0.5) : int32_t(value);
}

void QnSaneDevice::Scan(QnScanSink& sink, QnScanTransfer transfer, QnScanProgress* progress)
{
    QnSaneRead(handle_, Resolution(), transfer, sink, progress);
}
