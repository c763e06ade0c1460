#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class QObject;

namespace orvex {

class MessagePresenter;

// What a property page needs of the environment that hosts it. The host hands
// the page a selection (then calls its selectionChanged()) and applies it by
// calling its apply() while the page has changes.
class PropertyPageSite
{
public:
    virtual ~PropertyPageSite() = default;

    // The controls the page works on; the page uses the first.
    virtual QList<QObject *> selectedObjects() const = 0;
    // The page's changed flag: true asks the host for an apply.
    virtual void setChanged(bool changed) = 0;
    // The folder that holds menu.txt: the program's own at run time, the
    // edited form's at design time.
    virtual QString applicationFolder() const = 0;
    // Where the page's modal messages go.
    virtual MessagePresenter &messagePresenter() = 0;
    // Writes a property that the object is known to have, so that a design
    // environment can record the change. By default a plain setProperty().
    virtual bool writeProperty(QObject *object, const char *name, const QVariant &value);
};

} // namespace orvex
