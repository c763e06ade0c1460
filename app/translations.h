#pragma once

namespace orvex {

// Loads the installer's catalogue and Qt's own (its buttons) for the
// system's language into the running application.
void loadTranslations();

} // namespace orvex
