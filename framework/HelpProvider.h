// Context help by id: topics are HTML pages shipped with the program. The
// pages of help file "<folder>/<name>.HLP" lie in "<folder>/help/<name>/"
// ("<id>.html", the contents page "index.html"). A pop-up
// topic shows the page's text beside the pointer; other commands open the
// page in the desktop's browser. Tests install a recording backend.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace fw {

struct HelpRequest {
    std::string helpFile;
    uint32_t data = 0;
    uint32_t command = 0;
    // The page the request resolves to (empty when none exists).
    std::string page;
};

class HelpProvider {
public:
    static HelpProvider& Instance();

    // Replaces what showing a topic does (empty: the desktop's browser).
    using Backend = std::function<void(const HelpRequest&)>;
    Backend SetBackend(Backend backend);

    // The folder of helpFile's pages (helpFile itself when it is a folder);
    // empty for no help file.
    static std::string PageFolder(const std::string& helpFile);
    // The page of topic id for helpFile: "<pages>/<id>.html", "index.html"
    // for id 0; empty for no help file.
    static std::string TopicPage(const std::string& helpFile, uint32_t id);
    void Show(const std::string& helpFile, uint32_t data, uint32_t command);

private:
    Backend backend_;
};

}  // namespace fw
