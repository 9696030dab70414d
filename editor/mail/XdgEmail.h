// One message handed to the user's mail composer through xdg-email: a new
// message with one attachment and, where the caller has them, a subject and
// a text; the user gives the recipients in the composer. xdg-email names the
// attachment after its file; it has no way to give it another title.
#pragma once

#include <QProcess>

#include <functional>
#include <string>

class CLdXdgEmail {
public:
    enum Result {
        Sent,              // the composer has the message
        NoMailSystem,      // no xdg-email, or no composer behind it
        InvalidMailSystem, // xdg-email is there but would not run
        SendFailed,        // xdg-email ran and failed
    };
    using Done = std::function<void(Result)>;
    // What the message says; empty parts are left to the user.
    struct Text {
        std::string subject;
        std::string body;
    };

    // The xdg-email on PATH, or "" when there is none.
    static std::string Find();
    // What an ended xdg-email says by its exit code.
    static Result ResultOf(QProcess::ExitStatus status, int exitCode);

    CLdXdgEmail(std::string program, std::string attachment, Done done, const Text& text = {});
    CLdXdgEmail(const CLdXdgEmail&) = delete;
    CLdXdgEmail& operator=(const CLdXdgEmail&) = delete;

    // Runs xdg-email without waiting for it: done gets the result when it
    // ends, or at once when it cannot be started. done is called once.
    void Start();
    bool IsRunning() const { return process_.state() != QProcess::NotRunning; }
    bool HasEnded() const { return ended_; }
    // Waits for xdg-email to end (done is called inside).
    void WaitForFinished();

private:
    void End(Result result);

    QProcess process_;
    std::string attachment_;
    Done done_;
    bool ended_ = false;
};
