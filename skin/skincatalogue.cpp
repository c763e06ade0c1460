#include "core/text/catalogue.h"

namespace {

// The control's texts in the host application's language, loaded as it starts.
void loadSkinCatalogue()
{
    orvex::installCatalogue(QStringLiteral("orvexskin"), QStringLiteral(":/i18n"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(loadSkinCatalogue)
