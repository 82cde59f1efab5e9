#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The user's own words for the engine's spell checker: "Custom Dictionary.txt" in the
// profile's storage folder, one word a line and a checksum line, which the checker reads when
// it starts.
QString customDictionaryPath(const QString& storageFolder);
QStringList customDictionaryWords(const QString& path);
// Adds word (once) and writes the file whole; false when it could not be written or the word
// is not one (blank, or with a line break).
bool addToCustomDictionary(const QString& path, const QString& word);

} // namespace kelvane
