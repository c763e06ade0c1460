#include "core/design/rememberedskin.h"

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

Status write(const QString &application, const QString &path)
{
    QSettings settings = store(application);
    settings.setValue(entry, path);
    settings.sync();
    switch (settings.status()) {
    case QSettings::NoError:
        return {};
    case QSettings::AccessError:
        return Status::refusal(settings.fileName(), QStringLiteral("cannot be written"));
    default:
        return Status::refusal(settings.fileName(), QStringLiteral("is not a settings file"));
    }
}

} // namespace orvex::rememberedskin
