#pragma once

#include "core/result.h"

#include <OrvexSkin/messages.h>
#include <QString>
#include <QStringList>

// The boxes the install and the removal show, all titled "Orvex Tessary".
namespace orvex::dialogue {

// Asks a yes/no question with a warning icon; true on Yes.
bool askYes(MessagePresenter &messages, const QString &question,
            MessageAnswer defaultAnswer = MessageAnswer::Yes);

// Shows the non-empty `lines`, one a line, with an OK button.
void tell(MessagePresenter &messages, MessageIcon icon, QStringList lines);

// How a step ended when it did not succeed, as the user reads it.
struct Outcome
{
    QString failed;     // the heading of a failure: "Installation failed."
    QString cancelled;  // the heading of a cancel: "Installation cancelled."
    QString context;    // what could not be done; may be empty
    QString stickState; // what the stick now holds
};

// Tells the user about a failure (critical) or a cancel (warning) of `status`.
void report(MessagePresenter &messages, const Status &status, const Outcome &outcome);

} // namespace orvex::dialogue
