#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace kelvane {

enum class SettingType { Boolean, Position, Int16, Int32, Text };

// One key of section "Settings". A numbered entry stands for a family of keys: its key holds
// the stem with '#' where the number goes ("HistorySite#", "CustomLink#Enabled"). An empty
// defaultText on a non-text key means the default is only known at run time (a window's own
// geometry, the current Home1); such keys are read with an explicit default.
struct CatalogueEntry {
    QString key;
    SettingType type;
    QString defaultText;
    bool numbered;
};

// prefix, the decimal digits of i, suffix: ("HistorySite", 3) gives "HistorySite3",
// ("CustomLink", 10, "SiteURL") gives "CustomLink10SiteURL".
QString numberedKey(const QString& prefix, int i, const QString& suffix = {});

// Every key of section "Settings" with its type and default, in one table.
const QList<CatalogueEntry>& settingsCatalogue();
// The entry of a key; a numbered key ("CustomLink7SiteName") finds its family's entry.
std::optional<CatalogueEntry> catalogueEntry(const QString& key);
// The default text of a key; empty when the key is unknown or its default is given at run time.
QString catalogueDefault(const QString& key);

// Typed access to section "Settings" of application "Kelvane". The one-argument reads use the
// catalogue's default; the others take a default known only at run time. A stored text that
// does not convert to the type reads as the default.
class Settings {
public:
    static bool readBool(const QString& key);
    static bool readBool(const QString& key, bool defaultValue);
    static float readPosition(const QString& key);
    static float readPosition(const QString& key, float defaultValue);
    static qint16 readInt16(const QString& key);
    static qint16 readInt16(const QString& key, qint16 defaultValue);
    static qint32 readInt32(const QString& key);
    static qint32 readInt32(const QString& key, qint32 defaultValue);
    static QString readText(const QString& key);
    static QString readText(const QString& key, const QString& defaultValue);

    static void writeBool(const QString& key, bool value);
    static void writePosition(const QString& key, float twips);
    static void writeInt16(const QString& key, qint16 value);
    static void writeInt32(const QString& key, qint32 value);
    static void writeText(const QString& key, const QString& value);
};

} // namespace kelvane
