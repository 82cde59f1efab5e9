#include "base/settingscatalogue.h"

#include "base/settingsstore.h"
#include "base/textforms.h"

namespace kelvane {

namespace {

constexpr QChar kNumberMark = QLatin1Char('#');

QList<CatalogueEntry> buildCatalogue() {
    using T = SettingType;
    const QString runTime; // default given by the caller at run time
    const QString empty = QStringLiteral("");
    auto plain = [](const char* key, T type, const QString& defaultText) {
        return CatalogueEntry{QString::fromLatin1(key), type, defaultText, false};
    };
    auto numbered = [](const char* key, T type, const QString& defaultText) {
        return CatalogueEntry{QString::fromLatin1(key), type, defaultText, true};
    };
    return {
        // Main window and Navigator geometry, in twips.
        plain("MainLeft", T::Position, QStringLiteral("1000")),
        plain("MainTop", T::Position, QStringLiteral("1000")),
        plain("MainWidth", T::Position, QStringLiteral("6500")),
        plain("MainHeight", T::Position, QStringLiteral("6500")),
        plain("MainMaximized", T::Boolean, QStringLiteral("True")),
        plain("NavigatorLeft", T::Position, runTime),
        plain("NavigatorTop", T::Position, runTime),
        plain("NavigatorWidth", T::Position, runTime),
        plain("NavigatorHeight", T::Position, runTime),
        // A text on purpose: the Navigator shows only for exactly "True".
        plain("NavigatorVisible", T::Text, QStringLiteral("True")),
        // Bands and bars.
        plain("BrowseToolbarVisible", T::Boolean, QStringLiteral("True")),
        plain("SitesToolbarVisible", T::Boolean, QStringLiteral("False")),
        plain("AddressBarVisible", T::Boolean, QStringLiteral("True")),
        plain("TabsBarVisible", T::Boolean, QStringLiteral("True")),
        plain("HistoryCount", T::Int16, QStringLiteral("0")),
        numbered("HistorySite#", T::Text, QStringLiteral("0")),
        plain("StatusBarVisible", T::Boolean, QStringLiteral("True")),
        // The application-wide record.
        plain("CleanOnExit", T::Boolean, QStringLiteral("False")),
        plain("SaveAllOnExit", T::Boolean, QStringLiteral("False")),
        plain("MinimizeToTray", T::Boolean, QStringLiteral("False")),
        plain("CheckIfDefault", T::Boolean, QStringLiteral("True")),
        plain("Password", T::Text, empty),
        plain("Home1", T::Text, QStringLiteral("https://www.yahoo.com/")),
        plain("Home2", T::Text, QStringLiteral("https://www.msn.com/")),
        plain("Search", T::Text, QStringLiteral("https://www.google.com/")),
        plain("eMail", T::Text, QStringLiteral("https://mail.google.com/")),
        plain("News", T::Text, QStringLiteral("https://www.bbc.com/news")),
        plain("QuickNotesEnabled", T::Boolean, QStringLiteral("True")),
        plain("QuickNotesFont", T::Text, QStringLiteral("Comic Sans MS")),
        plain("QuickNotesSize", T::Int16, QStringLiteral("12")),
        plain("QuickNotesColor", T::Int32, QStringLiteral("0")),
        plain("QuickNotesBold", T::Boolean, QStringLiteral("False")),
        plain("QuickNotesItalic", T::Boolean, QStringLiteral("False")),
        plain("QuickNotesUnderline", T::Boolean, QStringLiteral("False")),
        numbered("CustomLink#Enabled", T::Boolean, QStringLiteral("False")),
        numbered("CustomLink#SiteName", T::Text, empty),
        numbered("CustomLink#SiteURL", T::Text, empty),
        plain("PopUpEnabled", T::Boolean, QStringLiteral("True")),
        // Default-browser question.
        plain("FileAssociationSetDefault", T::Boolean, QStringLiteral("True")),
        // Saved documents; a missing address reopens the current Home1.
        plain("DocumentCount", T::Int16, QStringLiteral("0")),
        numbered("Document#", T::Text, runTime),
        // Band layout.
        numbered("BandRow#", T::Boolean, QStringLiteral("True")),
        numbered("BandWidth#", T::Position, QStringLiteral("1000")),
        // Favorites and Quick Search windows; their positions default to the designed ones.
        plain("FavoriteLeft", T::Position, runTime),
        plain("FavoriteTop", T::Position, runTime),
        plain("QSearchLeft", T::Position, runTime),
        plain("QSearchTop", T::Position, runTime),
        plain("QSearchTypesListIndex", T::Int32, QStringLiteral("0")),
        plain("QSearchSearchListCount", T::Int16, QStringLiteral("0")),
        numbered("QSearchSearchListItem#", T::Text, empty),
        // Downloads: asked where each goes, else straight into DownloadFolder (empty: the
        // desktop's download folder); the folder the save dialog last went to; the window.
        plain("DownloadAskWhere", T::Boolean, QStringLiteral("True")),
        plain("DownloadFolder", T::Text, empty),
        // Minutes unseen before a document is frozen, and discarded; or "Never".
        plain("DocumentSleep", T::Text, QStringLiteral("5,30")),
        plain("DownloadLastFolder", T::Text, empty),
        plain("DownloadsLeft", T::Position, runTime),
        plain("DownloadsTop", T::Position, runTime),
        plain("DownloadsWidth", T::Position, runTime),
        plain("DownloadsHeight", T::Position, runTime),
        // The colour scheme pages are asked for: Desktop, Light or Dark.
        plain("PageColours", T::Text, QStringLiteral("Desktop")),
    };
}

// "CustomLink12Enabled" against "CustomLink#Enabled": the stem, a number without leading
// zeros, the suffix.
bool matchesNumbered(const QString& pattern, const QString& key) {
    const qsizetype mark = pattern.indexOf(kNumberMark);
    const QStringView stem = QStringView(pattern).left(mark);
    const QStringView suffix = QStringView(pattern).mid(mark + 1);
    if (key.size() <= stem.size() + suffix.size() || !key.startsWith(stem) || !key.endsWith(suffix))
        return false;
    const QStringView digits =
        QStringView(key).mid(stem.size(), key.size() - stem.size() - suffix.size());
    if (digits.front() == QLatin1Char('0'))
        return false;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString appName() {
    return QString::fromLatin1(kAppName);
}

QString section() {
    return QString::fromLatin1(kSettingsSection);
}

// Reads the key with defaultText in its place when absent; a text that does not convert
// (hand-edited, or from another program) falls back to the default, then to fallback.
template <typename Value, typename Convert>
Value readConverted(const QString& key, const QString& defaultText, Value fallback,
                    Convert convert) {
    if (const auto value = convert(readSetting(appName(), section(), key, defaultText)))
        return *value;
    return convert(defaultText).value_or(fallback);
}

void write(const QString& key, const QString& text) {
    writeSetting(appName(), section(), key, text);
}

} // namespace

QString numberedKey(const QString& prefix, int i, const QString& suffix) {
    return prefix + QString::number(i) + suffix;
}

const QList<CatalogueEntry>& settingsCatalogue() {
    static const QList<CatalogueEntry> catalogue = buildCatalogue();
    return catalogue;
}

std::optional<CatalogueEntry> catalogueEntry(const QString& key) {
    const QList<CatalogueEntry>& catalogue = settingsCatalogue();
    for (const CatalogueEntry& entry : catalogue) {
        if (!entry.numbered && entry.key == key)
            return entry;
    }
    for (const CatalogueEntry& entry : catalogue) {
        if (entry.numbered && matchesNumbered(entry.key, key))
            return entry;
    }
    return std::nullopt;
}

QString catalogueDefault(const QString& key) {
    const std::optional<CatalogueEntry> entry = catalogueEntry(key);
    return entry ? entry->defaultText : QString();
}

bool Settings::readBool(const QString& key) {
    return readConverted(key, catalogueDefault(key), false, boolFromText);
}

bool Settings::readBool(const QString& key, bool defaultValue) {
    return readConverted(key, boolText(defaultValue), defaultValue, boolFromText);
}

float Settings::readPosition(const QString& key) {
    return readConverted(key, catalogueDefault(key), 0.0f, positionFromText);
}

float Settings::readPosition(const QString& key, float defaultValue) {
    return readConverted(key, positionText(defaultValue), defaultValue, positionFromText);
}

qint16 Settings::readInt16(const QString& key) {
    return readConverted(key, catalogueDefault(key), qint16(0), int16FromText);
}

qint16 Settings::readInt16(const QString& key, qint16 defaultValue) {
    return readConverted(key, int16Text(defaultValue), defaultValue, int16FromText);
}

qint32 Settings::readInt32(const QString& key) {
    return readConverted(key, catalogueDefault(key), qint32(0), int32FromText);
}

qint32 Settings::readInt32(const QString& key, qint32 defaultValue) {
    return readConverted(key, int32Text(defaultValue), defaultValue, int32FromText);
}

QString Settings::readText(const QString& key) {
    return readSetting(appName(), section(), key, catalogueDefault(key));
}

QString Settings::readText(const QString& key, const QString& defaultValue) {
    return readSetting(appName(), section(), key, defaultValue);
}

void Settings::writeBool(const QString& key, bool value) {
    write(key, boolText(value));
}

void Settings::writePosition(const QString& key, float twips) {
    write(key, positionText(twips));
}

void Settings::writeInt16(const QString& key, qint16 value) {
    write(key, int16Text(value));
}

void Settings::writeInt32(const QString& key, qint32 value) {
    write(key, int32Text(value));
}

void Settings::writeText(const QString& key, const QString& value) {
    write(key, value);
}

} // namespace kelvane
