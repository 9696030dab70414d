#include "editor/mail/MailState.h"

#include "framework/MessageBox.h"

#include <QCoreApplication>

CLdMailState& CLdMailState::Get()
{
    static CLdMailState state;
    // The editor ends with its application object, while the processes'
    // event machinery is still there to take them down.
    static const bool hooked = [] {
        qAddPostRoutine([] { Get().End(); });
        return true;
    }();
    (void)hooked;
    return state;
}

CLdMailState::~CLdMailState()
{
    End();
}

void CLdMailState::End()
{
    // An xdg-email still running at the end may be the composer itself
    // (some start it in the foreground): it is neither killed nor robbed of
    // its attachment, and its record is left to the system.
    for (Pending& send : pending_)
        if (!send.handled) {
            send.attachment.Release();
            (void)send.process.release();
        }
    pending_.clear();
    kept_.clear();
}

CLdMailState::Report CLdMailState::Tell(std::map<CLdXdgEmail::Result, std::string> texts)
{
    return [texts = std::move(texts)](CLdXdgEmail::Result result) {
        const auto found = texts.find(result);
        if (found != texts.end())
            fw::MessageBox(found->second, fw::MB_OK);
    };
}

void CLdMailState::Send(const std::string& program, CLdMailAttachment attachment, Report report,
                        const CLdXdgEmail::Text& text)
{
    Sweep();
    Pending& send = pending_.emplace_back();
    send.attachment = std::move(attachment);
    send.process = std::make_unique<CLdXdgEmail>(
        program, send.attachment.Path(),
        [this, &send, report = std::move(report)](CLdXdgEmail::Result result) { Handle(send, result, report); },
        text);
    send.process->Start();
}

void CLdMailState::Handle(Pending& send, CLdXdgEmail::Result result, const Report& report)
{
    if (result == CLdXdgEmail::Sent) {
        if (send.attachment.IsTemporary())
            kept_.push_back(std::move(send.attachment));
    } else {
        // Gone before the user reads why: the file was of no more use.
        send.attachment.Remove();
        if (report)
            report(result);
    }
    send.handled = true;
}

size_t CLdMailState::Running() const
{
    size_t n = 0;
    for (const Pending& send : pending_)
        n += send.handled ? 0 : 1;
    return n;
}

void CLdMailState::WaitForSends()
{
    for (Pending& send : pending_)
        send.process->WaitForFinished();
    Sweep();
}

void CLdMailState::Sweep()
{
    pending_.remove_if([](const Pending& send) { return send.handled; });
}
