#pragma once

#include <QString>
#include <QStringList>

class QWebEnginePage;
class QWebEngineProfile;

namespace kelvane {

// The engine's own settings, shown by the Internet Options dialog and kept in
// $XDG_CONFIG_HOME/Kelvane/engine.ini.
struct EngineOptions {
    enum class Cookies { Accept = 0, BlockThirdParty = 1, BlockAll = 2 };

    bool javaScript = true;
    bool images = true;
    Cookies cookies = Cookies::Accept;
    bool httpCache = true;
    // The spell checker's languages; empty: those of the user's locale.
    QStringList spellingLanguages;

    bool operator==(const EngineOptions&) const = default;
};

// The one persistent engine profile shared by every view: storage under
// $XDG_DATA_HOME/Kelvane/engine, cache under $XDG_CACHE_HOME/Kelvane. It is created on first
// use and lives as long as the application object.
class WebEngineProfile {
public:
    static QWebEngineProfile* profile();
    // The off-the-record profile of the private documents, made like the persistent one when
    // first asked for. Once the last page on it has gone it is deleted with everything it held
    // (cookies, cache, visited links); the next private page gets a fresh one.
    static QWebEngineProfile* privateProfile();

    static QString optionsFile();
    // Read from the options file; a missing or damaged value keeps its default.
    static EngineOptions options();
    // Applies the options to the profile and writes them to the options file.
    static void setOptions(const EngineOptions& options);

    // The languages the spell checker has dictionaries for.
    static QStringList dictionaryLanguages();

    // Every page of the profile registers itself, so history cleaning reaches open pages.
    static void registerPage(QWebEnginePage* page);

    // Deletes temporary internet files, cookies and history (what the platform's history
    // cleaner does with flags 7): the HTTP cache, every cookie, the visited links and the
    // back and forward lists of every open page.
    static void cleanHistory();
};

} // namespace kelvane
