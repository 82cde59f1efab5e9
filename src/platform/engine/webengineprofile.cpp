#include "platform/engine/webengineprofile.h"

#include "platform/trace.h"

#include "platform/paths.h"
#include "platform/spelling.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEngineCookieStore>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <atomic>

namespace kelvane {

namespace {

const char* const kJavaScriptKey = "JavaScript";
const char* const kImagesKey = "Images";
const char* const kCookiesKey = "Cookies";
const char* const kHttpCacheKey = "HttpCache";
const char* const kSpellingKey = "SpellingLanguages";

class StalledLoadWatch;

struct ProfileState {
    QPointer<QWebEngineProfile> profile;
    QPointer<QWebEngineProfile> privateProfile;
    QList<QPointer<QWebEnginePage>> pages;
    QPointer<StalledLoadWatch> watch;
};

ProfileState& state() {
    static ProfileState s;
    return s;
}

// Read by the cookie filter on the engine's network thread; trivially destroyed, so it is
// still there for a filter call that comes late at exit.
std::atomic<EngineOptions::Cookies> cookiePolicy{EngineOptions::Cookies::Accept};

// The pages registered so far that still exist.
QList<QWebEnginePage*> livePages() {
    QList<QWebEnginePage*> result;
    for (const QPointer<QWebEnginePage>& page : std::as_const(state().pages)) {
        if (page)
            result.append(page.data());
    }
    return result;
}

QString cacheDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Kelvane");
}

// The engine reads its dictionaries from one folder, named before it starts: ours gathers the
// program's own and the system's. A folder the user names is left as it is.
QString dictionaryFolder() {
    static const QString folder = [] {
        if (qEnvironmentVariableIsSet("QTWEBENGINE_DICTIONARIES_PATH"))
            return qEnvironmentVariable("QTWEBENGINE_DICTIONARIES_PATH");
        const QString gathered = cacheDir() + QStringLiteral("/dictionaries");
        gatherDictionaries(dictionarySources(QCoreApplication::applicationDirPath()), gathered);
        qputenv("QTWEBENGINE_DICTIONARIES_PATH", QFile::encodeName(gathered));
        return gathered;
    }();
    return folder;
}

// Only "true"/"false" (as QSettings writes them) count; anything else keeps the default.
bool readBool(const QSettings& settings, const char* key, bool fallback) {
    const QString text = settings.value(QLatin1String(key)).toString().trimmed().toLower();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return fallback;
}

// Qt WebEngine 6.4 renews the profile's network context when the HTTP cache is switched, and
// again when a cache clearing has finished (nothing reports that moment). Loads under way at
// the renewal are dropped without ever ending: the page would show "loading" for good. So for
// a while after either event, a load that shows no sign of life for a few seconds is started
// again (at most twice per page, so a slow server is not hammered).
class StalledLoadWatch : public QObject {
public:
    static constexpr int kWatchMs = 30'000;
    static constexpr int kStallMs = 2'000;
    static constexpr int kTickMs = 250;
    static constexpr int kMaxRestarts = 2;

    StalledLoadWatch() {
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, &StalledLoadWatch::tick);
        m_timer.start(kTickMs);
    }

    // Watches from now on for another full period.
    void extend() {
        m_until = m_clock.elapsed() + kWatchMs;
        // Loads under way now count as alive now.
        for (Watched& watched : m_pages)
            watched.lastSign = m_clock.elapsed();
        tick();
    }

private:
    struct Watched {
        qint64 lastSign = 0;
        int restarts = 0;
    };

    void watch(QWebEnginePage* page) {
        if (m_pages.contains(page))
            return;
        m_pages.insert(page, Watched{m_clock.elapsed(), 0});
        const auto alive = [this, page] { m_pages[page].lastSign = m_clock.elapsed(); };
        connect(page, &QWebEnginePage::loadStarted, this, alive);
        connect(page, &QWebEnginePage::loadProgress, this, alive);
        connect(page, &QWebEnginePage::urlChanged, this, alive);
        connect(page, &QObject::destroyed, this, [this, page] { m_pages.remove(page); });
    }

    void tick() {
        const qint64 now = m_clock.elapsed();
        if (now > m_until) {
            m_timer.stop();
            deleteLater();
            return;
        }
        for (QWebEnginePage* page : livePages())
            watch(page);
        for (auto it = m_pages.begin(); it != m_pages.end(); ++it) {
            QWebEnginePage* page = it.key();
            Watched& watched = it.value();
            if (!page->isLoading() || now - watched.lastSign < kStallMs ||
                watched.restarts >= kMaxRestarts)
                continue;
            ++watched.restarts;
            watched.lastSign = now;
            const QUrl url = page->requestedUrl().isEmpty() ? page->url() : page->requestedUrl();
            page->load(url);
        }
    }

    QElapsedTimer m_clock;
    QTimer m_timer;
    qint64 m_until = kWatchMs;
    QHash<QWebEnginePage*, Watched> m_pages;
};

void watchForStalledLoads() {
    ProfileState& s = state();
    if (!s.watch) {
        s.watch = new StalledLoadWatch;
        s.watch->setParent(s.profile);
    }
    s.watch->extend();
}

void applyToPages(QWebEngineProfile* profile, const EngineOptions& options) {
    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, options.javaScript);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, options.images);
    const QStringList languages =
        spellingLanguages(options.spellingLanguages, QLocale::system().uiLanguages(),
                          dictionaryLanguages(dictionaryFolder()));
    profile->setSpellCheckLanguages(languages);
    profile->setSpellCheckEnabled(!languages.isEmpty());
}

void apply(QWebEngineProfile* profile, const EngineOptions& options) {
    applyToPages(profile, options);
    if (state().privateProfile)
        applyToPages(state().privateProfile, options);
    cookiePolicy.store(options.cookies);
    const auto cacheType =
        options.httpCache ? QWebEngineProfile::DiskHttpCache : QWebEngineProfile::NoCache;
    if (profile->httpCacheType() != cacheType) {
        profile->setHttpCacheType(cacheType);
        watchForStalledLoads();
    }
}

// What every profile of the browser shares: the cookie rule of the options, what pages may
// ask for, and PDF in the engine's own viewer.
void prepare(QWebEngineProfile* profile) {
    profile->cookieStore()->setCookieFilter(
        [](const QWebEngineCookieStore::FilterRequest& request) {
            switch (cookiePolicy.load()) {
            case EngineOptions::Cookies::BlockAll:
                return false;
            case EngineOptions::Cookies::BlockThirdParty:
                return !request.thirdParty;
            case EngineOptions::Cookies::Accept:
                break;
            }
            return true;
        });

    // Pages may fill the screen and share it once the user agrees. A scheme the engine does
    // not load reaches the page's navigation check only from a click or a key of the user's
    // (a script alone cannot start another program); the check hands it to the browser, and
    // never to the desktop directly.
    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    settings->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
    settings->setUnknownUrlSchemePolicy(
        QWebEngineSettings::AllowUnknownUrlSchemesFromUserInteraction);
}

// The private profile goes once no page of it is left: a page is deleted before its profile.
void releaseUnusedPrivateProfile() {
    ProfileState& s = state();
    if (!s.privateProfile)
        return;
    for (QWebEnginePage* page : livePages()) {
        if (page->profile() == s.privateProfile)
            return;
    }
    s.privateProfile->deleteLater();
    s.privateProfile = nullptr;
}

} // namespace

QWebEngineProfile* WebEngineProfile::privateProfile() {
    ProfileState& s = state();
    if (s.privateProfile)
        return s.privateProfile;
    // Without a storage name a profile is off the record: cookies and cache in memory only.
    auto* created = new QWebEngineProfile(QCoreApplication::instance());
    prepare(created);
    applyToPages(created, options());
    s.privateProfile = created;
    return created;
}

QWebEngineProfile* WebEngineProfile::profile() {
    ProfileState& s = state();
    if (s.profile)
        return s.profile;

    const QString storage = dataFolder() + QStringLiteral("/engine");
    const QString cache = cacheDir();
    makePrivateFolder(storage);
    makePrivateFolder(cache);
    dictionaryFolder();

    // Owned by the application object so that it outlives every page that uses it.
    auto* created = new QWebEngineProfile(QStringLiteral("Kelvane"), QCoreApplication::instance());
    created->setPersistentStoragePath(storage);
    created->setCachePath(cache);

    prepare(created);

    s.profile = created;
    apply(created, options());
    benchMarkOnce("engine profile created");
    return created;
}

QString WebEngineProfile::optionsFile() {
    return configFolder() + QStringLiteral("/engine.ini");
}

EngineOptions WebEngineProfile::options() {
    EngineOptions options;
    const QSettings settings(optionsFile(), QSettings::IniFormat);
    options.javaScript = readBool(settings, kJavaScriptKey, options.javaScript);
    options.images = readBool(settings, kImagesKey, options.images);
    options.httpCache = readBool(settings, kHttpCacheKey, options.httpCache);
    bool ok = false;
    const int cookies = settings.value(QLatin1String(kCookiesKey)).toString().toInt(&ok);
    if (ok && cookies >= static_cast<int>(EngineOptions::Cookies::Accept) &&
        cookies <= static_cast<int>(EngineOptions::Cookies::BlockAll))
        options.cookies = static_cast<EngineOptions::Cookies>(cookies);
    options.spellingLanguages = settings.value(QLatin1String(kSpellingKey)).toStringList();
    options.spellingLanguages.removeAll(QString());
    return options;
}

QStringList WebEngineProfile::dictionaryLanguages() {
    return kelvane::dictionaryLanguages(dictionaryFolder());
}

void WebEngineProfile::setOptions(const EngineOptions& options) {
    apply(profile(), options);

    makePrivateFolder(configFolder());
    QSettings settings(optionsFile(), QSettings::IniFormat);
    settings.setValue(QLatin1String(kJavaScriptKey), options.javaScript);
    settings.setValue(QLatin1String(kImagesKey), options.images);
    settings.setValue(QLatin1String(kCookiesKey), static_cast<int>(options.cookies));
    settings.setValue(QLatin1String(kHttpCacheKey), options.httpCache);
    settings.setValue(QLatin1String(kSpellingKey), options.spellingLanguages);
    settings.sync();
}

void WebEngineProfile::registerPage(QWebEnginePage* page) {
    QList<QPointer<QWebEnginePage>>& pages = state().pages;
    pages.removeAll(nullptr);
    if (page && !pages.contains(page)) {
        pages.append(page);
        if (page->profile()->isOffTheRecord())
            QObject::connect(page, &QObject::destroyed,
                             [] { QTimer::singleShot(0, &releaseUnusedPrivateProfile); });
    }
}

void WebEngineProfile::cleanHistory() {
    QWebEngineProfile* p = profile();
    p->cookieStore()->deleteAllCookies();
    p->clearAllVisitedLinks();
    for (QWebEnginePage* page : livePages())
        page->history()->clear();
    if (p->httpCacheType() != QWebEngineProfile::NoCache) {
        p->clearHttpCache();
        watchForStalledLoads();
    } else {
        // No cache is open: the files of an earlier session can simply go.
        QDir(p->cachePath() + QStringLiteral("/Cache")).removeRecursively();
    }
}

} // namespace kelvane
