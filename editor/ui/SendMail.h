// File > Send...: the active picture handed to the user's mail composer as
// the one attachment of a new message. A document never saved, or changed
// since, is written to a temporary file first through its own save, so the
// mail carries what the user sees in the format of the document's file.
// The picture document routes ID_FILE_SEND_MAIL and its update here.
#pragma once

#include "editor/mail/MailAttachment.h"

#include <ctime>
#include <functional>
#include <optional>

namespace fw {
class CmdUI;
class Document;
} // namespace fw

class CLdSendMail {
public:
    // The local time a temporary attachment's name carries.
    using Clock = std::function<std::tm()>;
    static std::tm LocalTime();

    explicit CLdSendMail(Clock now = LocalTime) : now_(std::move(now)) {}

    // The command. It returns once xdg-email is on its way; failures are
    // told then or when it ends.
    void OnFileSendMail(fw::Document& doc);
    // Enabled while there is an xdg-email to hand messages to.
    static void OnUpdateFileSendMail(fw::CmdUI* ui);

    // The attachment for doc: its own file when it is saved and unchanged,
    // else a temporary file that doc's save has written. Nothing when that
    // save failed; it has told the user why.
    std::optional<CLdMailAttachment> ChooseAttachment(fw::Document& doc) const;

private:
    Clock now_;
};
