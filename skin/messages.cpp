#include <OrvexSkin/messages.h>
#include <QCoreApplication>
#include <array>
#include <optional>

namespace orvex {

namespace {

// What a request holds, compared part by part.
struct MessageParts
{
    QString title;
    QString text;
    QString informativeText;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
    std::array<QString, 3> buttonLabels; // by MessageAnswer
    std::optional<QString> iconAccessibleName;

    friend bool operator==(const MessageParts &, const MessageParts &) = default;
};

} // namespace

class MessageRequestData : public QSharedData, public MessageParts
{
};

MessageRequest::MessageRequest() : d(new MessageRequestData) {}

MessageRequest::MessageRequest(const QString &title, const QString &text, MessageIcon icon,
                               MessageButtons buttons, MessageAnswer defaultAnswer)
    : d(new MessageRequestData)
{
    d->title = title;
    d->text = text;
    d->icon = icon;
    d->buttons = buttons;
    d->defaultAnswer = defaultAnswer;
}

MessageRequest::MessageRequest(const MessageRequest &other) = default;
MessageRequest &MessageRequest::operator=(const MessageRequest &other) = default;
MessageRequest::~MessageRequest() = default;

QString MessageRequest::title() const
{
    return d->title;
}

void MessageRequest::setTitle(const QString &title)
{
    d->title = title;
}

QString MessageRequest::text() const
{
    return d->text;
}

void MessageRequest::setText(const QString &text)
{
    d->text = text;
}

QString MessageRequest::informativeText() const
{
    return d->informativeText;
}

void MessageRequest::setInformativeText(const QString &text)
{
    d->informativeText = text;
}

MessageIcon MessageRequest::icon() const
{
    return d->icon;
}

void MessageRequest::setIcon(MessageIcon icon)
{
    d->icon = icon;
}

MessageButtons MessageRequest::buttons() const
{
    return d->buttons;
}

void MessageRequest::setButtons(MessageButtons buttons)
{
    d->buttons = buttons;
}

MessageAnswer MessageRequest::defaultAnswer() const
{
    return d->defaultAnswer;
}

void MessageRequest::setDefaultAnswer(MessageAnswer answer)
{
    d->defaultAnswer = answer;
}

QString MessageRequest::buttonLabel(MessageAnswer answer) const
{
    return d->buttonLabels[std::size_t(answer)];
}

void MessageRequest::setButtonLabel(MessageAnswer answer, const QString &label)
{
    d->buttonLabels[std::size_t(answer)] = label;
}

QString MessageRequest::iconAccessibleName() const
{
    if (d->iconAccessibleName)
        return *d->iconAccessibleName;
    switch (d->icon) {
    case MessageIcon::Critical:
        return QCoreApplication::translate("orvex::MessageRequest", "Error");
    case MessageIcon::Warning:
        return QCoreApplication::translate("orvex::MessageRequest", "Warning");
    case MessageIcon::Information:
        return QCoreApplication::translate("orvex::MessageRequest", "Information");
    case MessageIcon::None:
        break;
    }
    return {};
}

void MessageRequest::setIconAccessibleName(const QString &name)
{
    d->iconAccessibleName = name;
}

bool operator==(const MessageRequest &a, const MessageRequest &b)
{
    return a.d == b.d || static_cast<const MessageParts &>(*a.d) == *b.d;
}

} // namespace orvex
