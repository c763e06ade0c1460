#include <OrvexSkin/messagebox.h>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace orvex {

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageAnswer QtMessagePresenter::show(const MessageRequest &request)
{
    QMessageBox box(toQt(request.icon()), request.title(), request.text(), QMessageBox::NoButton,
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(request.informativeText());
    // The box's own labels, found by the names Qt gives them: the informative
    // one would read text that looks like markup as rich text, and the icon's
    // has no name of its own.
    if (auto *informative = box.findChild<QLabel *>(u"qt_msgbox_informativelabel"_s))
        informative->setTextFormat(Qt::PlainText);
    if (auto *icon = box.findChild<QLabel *>(u"qt_msgboxex_icon_label"_s))
        icon->setAccessibleName(request.iconAccessibleName());
    // Qt makes the informative label last, after the buttons, and screen
    // readers read the box's children in order: it goes before the text, then
    // the text before it, so that it is read right after the text.
    auto *text = box.findChild<QLabel *>(u"qt_msgbox_label"_s);
    auto *informative = box.findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
    if (text && informative) {
        informative->stackUnder(text);
        text->stackUnder(informative);
    }

    const bool question = request.buttons() == MessageButtons::YesNo;
    const QList<MessageAnswer> answers =
        question ? QList{MessageAnswer::Yes, MessageAnswer::No} : QList{MessageAnswer::Ok};
    for (const MessageAnswer answer : answers) {
        QPushButton *button = box.addButton(toQt(answer));
        if (const QString label = request.buttonLabel(answer); !label.isEmpty())
            button->setText(label);
    }
    if (question)
        box.setDefaultButton(request.defaultAnswer() == MessageAnswer::No ? QMessageBox::No
                                                                          : QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return question ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

} // namespace orvex
