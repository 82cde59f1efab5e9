#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace kelvane {

// The language of the program's texts, as gettext picks one: the list in LANGUAGE first (unless
// the locale is C), then the first of LC_ALL, LC_MESSAGES and LANG that is set. The first
// language with a translation wins; English (an empty result) when an English one or none of
// them comes first. "de_AT.UTF-8@euro" matches a "de_AT" translation, else a "de" one.
QString chooseLanguage(const std::function<QString(const char*)>& environment,
                       const QStringList& translated);

// The languages the program ships translations for.
QStringList translatedLanguages();

// Installs the program's, the string table's and Qt's own translations for the user's language
// on the running application. Returns the language chosen (empty for English).
QString installTranslations();

} // namespace kelvane
