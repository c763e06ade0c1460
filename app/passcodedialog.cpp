#include "app/passcodedialog.h"

#include "install/passcode.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace orvex {

PasscodeDialog::PasscodeDialog(const QString &offered, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PasscodeDialog"));
    setWindowTitle(QStringLiteral("Orvex Tessary"));
    auto *prompt = new QLabel(
        tr("Choose the passcode that opens Orvex Tessary on the PSP (4 to 8 digits):"), this);
    // Made after its label, so that screen readers meet the label first.
    m_entry = new QLineEdit(this);
    prompt->setWordWrap(true);
    prompt->setBuddy(m_entry);
    m_entry->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}")), m_entry));
    m_entry->setInputMethodHints(Qt::ImhDigitsOnly);
    m_entry->setAccessibleName(tr("Passcode"));
    m_entry->setAccessibleDescription(tr("4 to 8 digits"));
    m_entry->setText(orvex::passcode::isValid(offered) ? offered : QString());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto enableOk = [this] {
        m_ok->setEnabled(orvex::passcode::isValid(passcode()));
    };
    connect(m_entry, &QLineEdit::textChanged, this, enableOk);
    enableOk();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_entry);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString PasscodeDialog::passcode() const
{
    return m_entry->text();
}

std::optional<QString> PasscodeDialog::ask(QWidget *parent, const QString &offered)
{
    PasscodeDialog dialog(offered, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.passcode();
}

} // namespace orvex
