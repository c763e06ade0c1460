#pragma once

#include "core/result.h"

#include <OrvexSkin/messages.h>
#include <QString>
#include <QStringList>

// The boxes the install and the removal show, all titled "Orvex Tessary": a
// headline as the box's text, the details below it as its informative text.
namespace orvex::dialogue {

// Asks a yes/no question with a warning icon, `details` below it; true on Yes.
bool askYes(MessagePresenter &messages, const QString &question,
            MessageAnswer defaultAnswer = MessageAnswer::Yes, const QString &details = {});

// Shows `text` with an OK button, and the non-empty `details` below it, one a line.
void tell(MessagePresenter &messages, MessageIcon icon, const QString &text,
          QStringList details = {});

// How a step ended when it did not succeed, as the user reads it.
struct Outcome
{
    QString failed;     // the heading of a failure: "Installation failed."
    QString cancelled;  // the heading of a cancel: "Installation cancelled."
    QString context;    // what could not be done; may be empty
    QString stickState; // what the stick now holds
};

// Tells the user about a failure (critical) or a cancel (warning) of `status`:
// the heading, then what could not be done, why, what to do about it and what
// the stick now holds.
void report(MessagePresenter &messages, const Status &status, const Outcome &outcome);

} // namespace orvex::dialogue
