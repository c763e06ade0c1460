#include "app/translations.h"

#include "core/text/catalogue.h"

#include <QLibraryInfo>

namespace orvex {

void loadTranslations()
{
    installCatalogue(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installCatalogue(QStringLiteral("orvex-installer"), QStringLiteral(":/i18n"));
}

} // namespace orvex
