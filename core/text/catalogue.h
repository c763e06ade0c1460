#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace orvex {

// Installs into the running application the catalogue `name` for `locale`'s
// language, found in `folder` as NAME_LANGUAGE.qm ("orvex-installer_de.qm").
// False, with nothing installed, when the language has none (the C and
// English locales show the source texts).
inline bool installCatalogue(const QString &name, const QString &folder,
                             const QLocale &locale = QLocale::system())
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace orvex
