#pragma once

#include <QString>

#include <functional>

namespace kelvane {

// Application name and section under which every setting of the program is kept.
inline constexpr char kAppName[] = "Kelvane";
inline constexpr char kSettingsSection[] = "Settings";

// The per-user settings store: texts addressed by application, section and key. The stored
// text comes back exactly as written; a missing key gives defaultValue. Failures of the store
// never reach the caller (they are reported once on stderr).
QString readSetting(const QString& appName, const QString& section, const QString& key,
                    const QString& defaultValue);
// Creates or replaces the value; the application's file and section appear when missing.
void writeSetting(const QString& appName, const QString& section, const QString& key,
                  const QString& value);

class SettingsStore {
public:
    // $XDG_CONFIG_HOME/<app>/<app>.ini
    static QString filePath(const QString& appName = QLatin1String(kAppName));

    // Writes every pending change now; each file is replaced whole or not at all.
    static void sync();

    // Writes pending changes, then forgets every open file, so the next call opens the file found
    // at filePath() then (tests call it after pointing the environment somewhere else).
    static void reset();

    // Called with every SaveSetting, in call order, so tests can check the order of writes.
    using WriteObserver =
        std::function<void(const QString& section, const QString& key, const QString& value)>;
    static void setWriteObserver(WriteObserver observer); // empty: none
};

} // namespace kelvane
