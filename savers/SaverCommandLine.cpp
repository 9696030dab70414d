#include "savers/SaverCommandLine.h"

#include <cctype>
#include <charconv>

bool MatchSaverSwitch(std::string_view argument, std::string_view word)
{
    if (!argument.empty() && (argument.front() == '-' || argument.front() == '/'))
        argument.remove_prefix(1);
    if (argument.size() != word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(argument[i])) != std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    return true;
}

uint64_t ParseSaverWindowId(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    uint64_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return id;
}

namespace {

SaverCommand PreviewOf(uint64_t window)
{
    // A preview without a window to draw into has nowhere to go.
    return window ? SaverCommand{SaverMode::Preview, window} : SaverCommand{SaverMode::Quit, 0};
}

} // namespace

SaverCommand ParseSaverCommandLine(const std::vector<std::string>& args, std::string_view xscreensaverWindow)
{
    if (args.empty() || MatchSaverSwitch(args[0], "c"))
        return {SaverMode::Settings, 0};
    const std::string& first = args[0];
    if (MatchSaverSwitch(first, "p"))
        return PreviewOf(args.size() > 1 ? ParseSaverWindowId(args[1]) : 0);
    if (MatchSaverSwitch(first, "s"))
        return {SaverMode::FullScreen, 0};
    // xscreensaver's switches keep their own spelling (one or two dashes).
    if (first == "-root" || first == "--root") {
        if (!xscreensaverWindow.empty())
            return PreviewOf(ParseSaverWindowId(xscreensaverWindow));
        return {SaverMode::FullScreen, 0};
    }
    if (first == "-window-id" || first == "--window-id")
        return PreviewOf(args.size() > 1 ? ParseSaverWindowId(args[1]) : 0);
    if (first.starts_with("--window-id="))
        return PreviewOf(ParseSaverWindowId(std::string_view(first).substr(12)));
    return {SaverMode::Quit, 0};
}
