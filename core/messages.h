#pragma once

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

// Shows modal message boxes; tests put in a presenter that answers and records.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;
};

} // namespace orvex
