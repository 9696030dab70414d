// The editor's mail state for its whole run: the messages whose xdg-email
// still runs, and the temporary attachments handed to mail composers.
// Composers may read an attachment until the user sends the message, long
// after xdg-email has ended, so those files stay until the editor ends;
// an attachment whose hand-over failed goes at once.
#pragma once

#include "editor/mail/MailAttachment.h"
#include "editor/mail/XdgEmail.h"

#include <cstddef>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CLdMailState {
public:
    static CLdMailState& Get();

    CLdMailState() = default;
    ~CLdMailState();
    CLdMailState(const CLdMailState&) = delete;
    CLdMailState& operator=(const CLdMailState&) = delete;

    using Report = std::function<void(CLdXdgEmail::Result)>;
    // Hands attachment to the composer through the xdg-email at program.
    // report hears every result but Sent, after which the attachment is
    // kept; after any other it is removed.
    void Send(const std::string& program, CLdMailAttachment attachment, Report report,
              const CLdXdgEmail::Text& text = {});

    // A report that shows the text given for a result in a message box
    // (nothing for a result without one). Made here, so that a report still
    // pending never runs code of a module unloaded meanwhile.
    static Report Tell(std::map<CLdXdgEmail::Result, std::string> texts);

    // Messages whose xdg-email has not ended yet.
    size_t Running() const;
    // Temporary attachments kept for composers.
    size_t Kept() const { return kept_.size(); }
    // Waits until every xdg-email has ended and its result is handled.
    void WaitForSends();
    // The editor's end, when its application object goes: the kept
    // attachments are removed; sends still running are let go.
    void End();

private:
    struct Pending {
        std::unique_ptr<CLdXdgEmail> process;
        CLdMailAttachment attachment;
        bool handled = false;
    };
    void Handle(Pending& send, CLdXdgEmail::Result result, const Report& report);
    // Drops the records of sends whose results were handled.
    void Sweep();

    std::list<Pending> pending_;
    std::vector<CLdMailAttachment> kept_;
};
