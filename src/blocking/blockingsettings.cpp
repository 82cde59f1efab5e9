#include "blocking/blockingsettings.h"

#include "platform/paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace kelvane {

namespace {

constexpr int kRefreshDays = 7;
constexpr int kRetryDays = 1;

} // namespace

QString Subscription::file() const {
    const QByteArray digest =
        QCryptographicHash::hash(url.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return dataFolder() + QStringLiteral("/subscriptions/") + QString::fromLatin1(digest) +
           QStringLiteral(".txt");
}

bool Subscription::isDue(const QDateTime& now) const {
    if (!tried.isValid() || tried > now)
        return true;
    return tried.addDays(error.isEmpty() && fetched.isValid() ? kRefreshDays : kRetryDays) <= now;
}

QString BlockingSettings::path() {
    return configFolder() + QStringLiteral("/blocking.ini");
}

QStringList BlockingSettings::defaultSubscriptions() {
    if (qEnvironmentVariableIsSet("KELVANE_BLOCKLIST_SUBSCRIPTIONS"))
        return qEnvironmentVariable("KELVANE_BLOCKLIST_SUBSCRIPTIONS")
            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return {QStringLiteral("https://easylist.to/easylist/easylist.txt"),
            QStringLiteral("https://easylist.to/easylist/easyprivacy.txt")};
}

BlockingSettings BlockingSettings::load() {
    BlockingSettings result;
    if (!QFile::exists(path())) {
        for (const QString& url : defaultSubscriptions())
            result.subscriptions.append(Subscription{url, {}, {}, {}});
        return result;
    }
    QSettings file(path(), QSettings::IniFormat);
    result.enabled =
        file.value(QStringLiteral("Enabled"), true).toString() != QLatin1String("false");
    result.siteExceptions = file.value(QStringLiteral("SiteExceptions")).toStringList();
    result.siteExceptions.removeAll(QString());
    const int count = file.beginReadArray(QStringLiteral("Subscriptions"));
    for (int i = 0; i < count; ++i) {
        file.setArrayIndex(i);
        Subscription s;
        s.url = file.value(QStringLiteral("Url")).toString().trimmed();
        s.tried = file.value(QStringLiteral("Tried")).toDateTime();
        s.fetched = file.value(QStringLiteral("Fetched")).toDateTime();
        s.error = file.value(QStringLiteral("Error")).toString();
        if (!s.url.isEmpty())
            result.subscriptions.append(s);
    }
    file.endArray();
    return result;
}

bool BlockingSettings::save() const {
    makePrivateFolder(configFolder());
    QSettings file(path(), QSettings::IniFormat);
    file.clear();
    file.setValue(QStringLiteral("Enabled"), enabled);
    file.setValue(QStringLiteral("SiteExceptions"), siteExceptions);
    file.beginWriteArray(QStringLiteral("Subscriptions"), int(subscriptions.size()));
    for (int i = 0; i < subscriptions.size(); ++i) {
        file.setArrayIndex(i);
        const Subscription& s = subscriptions[i];
        file.setValue(QStringLiteral("Url"), s.url);
        file.setValue(QStringLiteral("Tried"), s.tried);
        file.setValue(QStringLiteral("Fetched"), s.fetched);
        file.setValue(QStringLiteral("Error"), s.error);
    }
    file.endArray();
    file.sync();
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    return file.status() == QSettings::NoError;
}

QString blockListsFolder() {
    return dataFolder() + QStringLiteral("/blocklists");
}

QStringList blockListFiles(const BlockingSettings& settings) {
    QStringList files;
    const QDir own(blockListsFolder());
    for (const QString& name : own.entryList(QDir::Files | QDir::Readable, QDir::Name))
        files.append(own.filePath(name));
    for (const Subscription& s : settings.subscriptions) {
        if (QFile::exists(s.file()))
            files.append(s.file());
    }
    return files;
}

} // namespace kelvane
