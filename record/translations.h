#pragma once
// Qt's own dialogs (Yes and No, the file dialog) in Dutch, as the rest of the program.

namespace record {

// Loads Qt's Dutch translations once, when they are installed (Debian's
// qt6-translations-l10n); without them the dialogs stay in English. Whether they loaded.
bool installDutchTranslations();

}  // namespace record
