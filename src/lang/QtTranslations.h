#pragma once
// The toolkit's own texts (file and colour dialogs, message-box buttons) in the user's
// language, from the translations that come with Qt.
#include <QLocale>

namespace vok {

// Loads and installs Qt's translations for the locale from Qt's translations folder;
// false when there are none for it (the toolkit then stays English).
bool InstallQtTranslations(const QLocale& locale = QLocale::system());

}  // namespace vok
