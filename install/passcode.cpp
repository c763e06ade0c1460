#include "install/passcode.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace orvex::passcode {

bool isValid(const QString &passcode)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{4,8}$"));
    return digits.match(passcode).hasMatch();
}

QByteArray fileText(const QString &passcode)
{
    return "// The passcode that lock.html asks for, chosen when Orvex Tessary was installed.\r\n"
           "// Forgot it? Open this file on a computer, or install Orvex Tessary again.\r\n"
           "var orvexPasscode = \"" +
           passcode.toLatin1() + "\";\r\n";
}

QString fromFileText(const QByteArray &text)
{
    static const QRegularExpression assignment(
        QStringLiteral("^\\s*var\\s+orvexPasscode\\s*=\\s*\"([0-9]{4,8})\"\\s*;"),
        QRegularExpression::MultilineOption);
    return assignment.match(QString::fromLatin1(text)).captured(1);
}

QString random()
{
    return QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(10000), 4, 10,
                                    QLatin1Char('0'));
}

} // namespace orvex::passcode
