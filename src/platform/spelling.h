#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The folders the engine's dictionaries (.bdic) come from, first found first: the ones built
// with the program (beside it in a build folder, in share/kelvane when installed) and the ones
// Debian's packages place for the engine.
QStringList dictionarySources(const QString& programFolder);

// Links every dictionary of sources into folder (the engine reads one folder only), dropping
// links that lead nowhere any more; the first source with a language wins.
void gatherDictionaries(const QStringList& sources, const QString& folder);

// The languages of the dictionaries in folder ("en-US", "de-DE", ...), sorted.
QStringList dictionaryLanguages(const QString& folder);

// The languages to check: those the user chose that have a dictionary; without a choice, those
// of the user's locale ("de-CH" takes "de-CH", else another "de"), else English.
QStringList spellingLanguages(const QStringList& chosen, const QStringList& localeLanguages,
                              const QStringList& available);

} // namespace kelvane
