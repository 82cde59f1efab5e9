#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace kelvane {

// A block list the browser fetches by its address and keeps as a file.
struct Subscription {
    QString url;
    QDateTime tried;   // the last fetch, whatever came of it
    QDateTime fetched; // the last fetch that gave a list
    QString error;     // why the last fetch failed; empty when it did not

    // dataFolder()/subscriptions/<digest of the address>.txt
    QString file() const;
    // Whether to fetch again at now: a week after the last good fetch, a day after a failed one.
    bool isDue(const QDateTime& now) const;

    bool operator==(const Subscription&) const = default;
};

// Content blocking's own settings, in $XDG_CONFIG_HOME/Kelvane/blocking.ini: the switch, the
// subscriptions with how their fetches went, and the sites excepted from blocking.
struct BlockingSettings {
    bool enabled = true;
    QList<Subscription> subscriptions;
    QStringList siteExceptions; // host names

    static QString path();
    // A missing file gives the settings of a fresh profile: blocking on, subscribed to the
    // default lists.
    static BlockingSettings load();
    bool save() const;

    // One list of ads and one of trackers; KELVANE_BLOCKLIST_SUBSCRIPTIONS (addresses separated
    // by blanks, empty for none) replaces them.
    static QStringList defaultSubscriptions();

    bool operator==(const BlockingSettings&) const = default;
};

// Where the user puts block lists of their own: dataFolder()/blocklists.
QString blockListsFolder();

// Every list to load: each file of the user's folder, then each subscription's kept copy.
QStringList blockListFiles(const BlockingSettings& settings);

} // namespace kelvane
