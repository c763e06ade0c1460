#pragma once

#include <OrvexSkin/orvexskin_export.h>
#include <QString>

namespace orvex {

enum class MessageIcon
{
    None,
    Information,
    Warning,
    Critical
};
enum class MessageButtons
{
    Ok,
    YesNo
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No
};

// One modal message box: the text is shown as plain text.
struct MessageRequest
{
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;

    friend bool operator==(const MessageRequest &, const MessageRequest &) = default;
};

// Shows modal message boxes for the control and its host; QtMessagePresenter shows them with
// QMessageBox, and a test can put in one that answers and records.
class ORVEX_SKIN_EXPORT MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;
};

} // namespace orvex
