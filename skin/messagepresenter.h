#pragma once

#include <QString>
#include <memory>

class QWidget;

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

// The real thing: a QMessageBox over the given parent.
class QtMessagePresenter final : public MessagePresenter
{
public:
    explicit QtMessagePresenter(QWidget *parent = nullptr) : m_parent(parent) {}
    MessageAnswer show(const MessageRequest &request) override;

private:
    QWidget *m_parent;
};

// The presenter a caller chose, or else a QtMessagePresenter of its own,
// made when first needed.
class MessagePresenterChoice
{
public:
    explicit MessagePresenterChoice(QWidget *parent) : m_parent(parent) {}
    // Not owned; null goes back to the real presenter.
    void choose(MessagePresenter *presenter) { m_chosen = presenter; }
    MessagePresenter &get();

private:
    QWidget *m_parent;
    MessagePresenter *m_chosen = nullptr;
    std::unique_ptr<MessagePresenter> m_own;
};

} // namespace orvex
