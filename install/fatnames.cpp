#include "install/fatnames.h"

#include <QCoreApplication>
#include <QMap>

namespace orvex::fatnames {

namespace {

const QString forbidden = QStringLiteral("\"*/:<>?\\|");

} // namespace

Status check(const QString &name)
{
    const auto refused = [](const QString &why) {
        return Status::refusal({}, why);
    };
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return refused(QCoreApplication::translate(
                "InstallMessages", "holds a control character, which the stick cannot "
                                   "store"));
        if (forbidden.contains(c))
            return refused(QCoreApplication::translate("InstallMessages",
                                                       "holds \"%1\", which the stick cannot store")
                               .arg(c));
    }
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return refused(QCoreApplication::translate(
            "InstallMessages", "ends with a dot or a space, which the stick drops"));
    if (name.size() > longestName)
        return refused(QCoreApplication::translate(
                           "InstallMessages", "is longer than %1 characters, the longest name the "
                                              "installer can write to the stick")
                           .arg(longestName));
    return {};
}

QList<QStringList> caseCollisions(const QStringList &names)
{
    QMap<QString, QStringList> byFolded;
    for (const QString &name : names)
        byFolded[name.toCaseFolded()].append(name);
    QList<QStringList> collisions;
    for (const QStringList &group : std::as_const(byFolded)) {
        if (group.size() > 1)
            collisions.append(group);
    }
    return collisions;
}

} // namespace orvex::fatnames
