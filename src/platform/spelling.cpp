#include "platform/spelling.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvane {

namespace {

const QString kSuffix = QStringLiteral(".bdic");

// The dictionary for one language tag ("de_CH" and "de-CH" alike), exact or of the same
// language; empty for none.
QString dictionaryFor(QString tag, const QStringList& available) {
    tag.replace(QLatin1Char('_'), QLatin1Char('-'));
    for (const QString& language : available) {
        if (language.compare(tag, Qt::CaseInsensitive) == 0)
            return language;
    }
    const QString base = tag.section(QLatin1Char('-'), 0, 0);
    for (const QString& language : available) {
        if (language.section(QLatin1Char('-'), 0, 0).compare(base, Qt::CaseInsensitive) == 0)
            return language;
    }
    return {};
}

} // namespace

QStringList dictionarySources(const QString& programFolder) {
    return {programFolder + QStringLiteral("/qtwebengine_dictionaries"),
            programFolder + QStringLiteral("/../share/kelvane/qtwebengine_dictionaries"),
            QStringLiteral("/usr/share/hunspell-bdic"),
            QStringLiteral("/usr/share/qt6/qtwebengine_dictionaries")};
}

void gatherDictionaries(const QStringList& sources, const QString& folder) {
    QDir target(folder);
    if (!target.mkpath(QStringLiteral(".")))
        return;
    for (const QFileInfo& link : target.entryInfoList(QDir::System | QDir::Files)) {
        if (link.isSymLink() && !link.exists())
            QFile::remove(link.absoluteFilePath());
    }
    QStringList taken;
    for (const QString& source : sources) {
        const QDir dir(source);
        for (const QString& name : dir.entryList({QLatin1Char('*') + kSuffix}, QDir::Files)) {
            if (taken.contains(name))
                continue;
            taken.append(name);
            const QString link = target.filePath(name);
            const QString wanted = QFileInfo(dir.filePath(name)).canonicalFilePath();
            if (QFileInfo(link).symLinkTarget() == wanted)
                continue;
            QFile::remove(link);
            QFile::link(wanted, link);
        }
    }
}

QStringList dictionaryLanguages(const QString& folder) {
    QStringList languages;
    for (const QString& name : QDir(folder).entryList({QLatin1Char('*') + kSuffix}, QDir::Files))
        languages.append(name.chopped(kSuffix.size()));
    languages.sort();
    return languages;
}

QStringList spellingLanguages(const QStringList& chosen, const QStringList& localeLanguages,
                              const QStringList& available) {
    QStringList result;
    for (const QString& language : chosen) {
        if (available.contains(language) && !result.contains(language))
            result.append(language);
    }
    if (!chosen.isEmpty())
        return result;
    for (const QString& tag : localeLanguages) {
        const QString found = dictionaryFor(tag, available);
        if (!found.isEmpty() && !result.contains(found))
            result.append(found);
    }
    if (result.isEmpty()) {
        const QString english = dictionaryFor(QStringLiteral("en-US"), available);
        if (!english.isEmpty())
            result.append(english);
    }
    return result;
}

} // namespace kelvane
