#pragma once

#include <QString>

class QDesignerFormWindowInterface;
class QWidget;

// The application folder at design time: the folder of the form being edited,
// or, for a form not saved yet, the folder Designer was started in.
namespace orvex::designfolder {

// Remembers the current folder as Designer's start folder; the first call wins.
QString startFolder();

QString forForm(const QDesignerFormWindowInterface *form);

// The folder for a widget that is (about to be) placed under `parent`.
QString forParent(QWidget *parent);

} // namespace orvex::designfolder
