#pragma once

#include <OrvexSkin/orvexskin_export.h>
#include <QSharedDataPointer>
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

class MessageRequestData;

// One modal message box: a title, a text and an informative text below it,
// all shown as plain text; an icon; an OK button or Yes and No, with labels of
// the caller's choice; the answer Enter gives. Copies share what they hold
// until one of them changes.
class ORVEX_SKIN_EXPORT MessageRequest
{
public:
    MessageRequest();
    MessageRequest(const QString &title, const QString &text, MessageIcon icon = MessageIcon::None,
                   MessageButtons buttons = MessageButtons::Ok,
                   MessageAnswer defaultAnswer = MessageAnswer::Ok);
    MessageRequest(const MessageRequest &other);
    MessageRequest &operator=(const MessageRequest &other);
    ~MessageRequest();

    QString title() const;
    void setTitle(const QString &title);
    QString text() const;
    void setText(const QString &text);
    // Shown below the text; empty by default.
    QString informativeText() const;
    void setInformativeText(const QString &text);
    MessageIcon icon() const;
    void setIcon(MessageIcon icon);
    MessageButtons buttons() const;
    void setButtons(MessageButtons buttons);
    MessageAnswer defaultAnswer() const;
    void setDefaultAnswer(MessageAnswer answer);

    // The label of the button that gives `answer`; empty for the toolkit's own.
    QString buttonLabel(MessageAnswer answer) const;
    void setButtonLabel(MessageAnswer answer, const QString &label);

    // The icon's name for screen readers: the caller's, or else "Error" for a
    // critical icon, "Warning", "Information", and none without an icon.
    QString iconAccessibleName() const;
    void setIconAccessibleName(const QString &name);

    // Equal when every part is; an icon name given differs from one left to
    // its default, even when the two read the same.
    friend ORVEX_SKIN_EXPORT bool operator==(const MessageRequest &a, const MessageRequest &b);

private:
    // One pointer, so that the class's size and layout stay the same when a
    // later version keeps more.
    QSharedDataPointer<MessageRequestData> d;
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
