#include "core/text/catalogue.h"

namespace {

// The page's and the plugin's texts in Qt Designer's language, loaded as
// Designer loads the plugin.
void loadDesignerCatalogue()
{
    orvex::installCatalogue(QStringLiteral("orvexdesigner"), QStringLiteral(":/i18n"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(loadDesignerCatalogue)
