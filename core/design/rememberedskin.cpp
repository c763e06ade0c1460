#include "design/rememberedskin.h"

#include <QSettings>

namespace orvex::rememberedskin {

namespace {
constexpr auto entry = "skin/main";

// The settings file is named after the host's caption: the characters that
// would make it a path (and "%", to keep the names apart) are escaped, so that
// a caption can never lead out of the settings folder.
QString fileNameFor(const QString &caption)
{
    QString name;
    for (const QChar c : caption) {
        if (c == u'%' || c == u'/' || c == u'\\' || c == QChar::Null)
            name += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            name += c;
    }
    return name;
}

QSettings store(const QString &application)
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, organisation,
                     fileNameFor(application));
}
} // namespace

QString read(const QString &application)
{
    return store(application).value(entry, QString()).toString();
}

bool write(const QString &application, const QString &path, QString *error)
{
    QSettings settings = store(application);
    settings.setValue(entry, path);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    if (error) {
        *error = settings.status() == QSettings::AccessError
                     ? QStringLiteral("cannot write %1").arg(settings.fileName())
                     : QStringLiteral("%1 is not a valid settings file").arg(settings.fileName());
    }
    return false;
}

} // namespace orvex::rememberedskin
