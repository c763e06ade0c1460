#include "design/rememberedskin.h"

#include <QSettings>

namespace orvex::rememberedskin {

namespace {
constexpr auto entry = "skin/main";

QSettings store(const QString &application)
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, organisation, application);
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
