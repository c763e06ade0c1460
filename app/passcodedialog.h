#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace orvex {

// Asks for the passcode that the lock page on the PSP will ask for, 4 to 8
// digits, in a dialog titled "Orvex Tessary". OK stays disabled until the
// entry is such a passcode.
class PasscodeDialog : public QDialog
{
    Q_OBJECT

public:
    // `offered`: the passcode already on the stick, filled in; may be empty.
    explicit PasscodeDialog(const QString &offered, QWidget *parent = nullptr);

    QString passcode() const;

    // Shows the dialog; the passcode chosen, or no value when cancelled.
    static std::optional<QString> ask(QWidget *parent, const QString &offered);

private:
    QLineEdit *m_entry = nullptr;
    QPushButton *m_ok;
};

} // namespace orvex
