#include "base/settingsstore.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QVariant>

#include <cstdio>
#include <map>
#include <memory>

namespace kelvane {

namespace {

// The file holds the password as typed: the owner alone may read it.
constexpr QFile::Permissions kPrivateFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kOthersAccess = QFile::ReadGroup | QFile::WriteGroup |
                                             QFile::ExeGroup | QFile::ReadOther |
                                             QFile::WriteOther | QFile::ExeOther;
constexpr int kMaxDamagedCopies = 10;

void report(const QString& message) {
    // Straight to stderr: a logging handler could send it to the journal instead.
    std::fprintf(stderr, "kelvane: %s\n", qUtf8Printable(message));
    std::fflush(stderr);
}

QString keyPath(const QString& section, const QString& key) {
    return section.isEmpty() ? key : section + QLatin1Char('/') + key;
}

// QSettings writes UTF-8 text only; a NUL byte or a broken UTF-8 sequence means the file is
// not one of ours, and writing it back would lose what QSettings could not decode.
bool looksBinary(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (data.contains('\0'))
        return true;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(data);
    Q_UNUSED(decoded)
    return decoder.hasError();
}

// The text of a stored value. Values written here are always strings; the other kinds only
// come from a hand-edited file, where QSettings reads an unquoted "a,b" as a list and "@Rect(...)"
// and the like as other types.
QString textOf(const QVariant& value, const QString& defaultValue) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        return value.toStringList().join(QLatin1Char(','));
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        if (value.isValid() && value.canConvert<QString>())
            return value.toString();
        return defaultValue;
    }
}

// One application's file, open for the life of the process (or until reset()).
class StoreFile {
public:
    explicit StoreFile(const QString& appName);
    StoreFile(const StoreFile&) = delete;
    StoreFile& operator=(const StoreFile&) = delete;

    QString read(const QString& section, const QString& key, const QString& defaultValue) const;
    void write(const QString& section, const QString& key, const QString& value);
    void sync();

private:
    std::unique_ptr<QSettings> openSettings() const;
    void keepDamagedFile();
    bool prepareFile();
    void reportWriteFailure();

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
    // Set when the file could not be read or could not be safely rewritten: it is then left
    // untouched for the session, and writes are only held in memory.
    bool m_leaveFileAlone = false;
    QHash<QString, QString> m_held;
    bool m_fileReady = false;
    bool m_dirty = false;
    bool m_writeFailureReported = false;
};

StoreFile::StoreFile(const QString& appName)
    : m_path(SettingsStore::filePath(appName))
    , m_settings(openSettings()) {
    const QSettings::Status status = m_settings->status();
    if (status == QSettings::AccessError) {
        m_leaveFileAlone = true;
        report(QStringLiteral("cannot read the settings file %1; it is left as it is and changes "
                              "made now will not be saved")
                   .arg(m_path));
        return;
    }
    if (status == QSettings::FormatError || looksBinary(m_path))
        keepDamagedFile();
}

std::unique_ptr<QSettings> StoreFile::openSettings() const {
    auto settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    // QSettings parses sections lazily; asking for every key makes it report a damaged section
    // now, before anything can be written back.
    settings->allKeys();
    return settings;
}

// A key as the program writes them: names of letters and digits, in a section. Whatever else a
// damaged file seems to hold is noise.
bool isSoundKey(const QString& key) {
    static const QRegularExpression sound(QStringLiteral("^(\\w+/)*\\w+$"));
    return sound.match(key).hasMatch();
}

// A copy of the damaged bytes, one per distinct content: an identical copy kept earlier is
// enough. When every name is taken the oldest copy makes room. Empty when none could be kept.
QString keepCopy(const QString& path, const QByteArray& damaged) {
    QString copy;
    QDateTime oldest;
    for (int n = 0; n < kMaxDamagedCopies; ++n) {
        const QString candidate = path + QStringLiteral(".bad") +
                                  (n == 0 ? QString() : QLatin1Char('.') + QString::number(n));
        const QFileInfo info(candidate);
        if (!info.exists()) {
            copy = candidate;
            break;
        }
        QFile earlier(candidate);
        if (info.size() == damaged.size() && earlier.open(QIODevice::ReadOnly) &&
            earlier.readAll() == damaged)
            return candidate;
        if (copy.isEmpty() || info.lastModified() < oldest) {
            copy = candidate;
            oldest = info.lastModified();
        }
    }
    QSaveFile file(copy);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(kPrivateFile) ||
        file.write(damaged) != damaged.size() || !file.commit())
        return {};
    return copy;
}

// QSettings would drop whatever it could not parse at the next write, and may not be able to
// write back what it made of the rest: keep a copy of the file first, then replace it with the
// settings that could be read, so that it is sound again.
void StoreFile::keepDamagedFile() {
    QFile file(m_path);
    const QByteArray damaged = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    const QString copy = keepCopy(m_path, damaged);
    if (copy.isEmpty()) {
        m_leaveFileAlone = true;
        report(QStringLiteral("the settings file %1 is damaged and no copy of it could be kept; "
                              "it is left as it is and changes made now will not be saved")
                   .arg(m_path));
        return;
    }
    report(QStringLiteral("the settings file %1 is damaged; a copy is kept as %2 and the "
                          "settings that could be read are kept")
               .arg(m_path, copy));

    QList<QPair<QString, QString>> readable;
    for (const QString& key : m_settings->allKeys()) {
        if (isSoundKey(key))
            readable.append({key, textOf(m_settings->value(key), QString())});
    }
    m_settings.reset();
    QSaveFile empty(m_path);
    if (empty.open(QIODevice::WriteOnly) && empty.setPermissions(kPrivateFile) && empty.commit()) {
        m_settings = openSettings();
        for (const auto& [key, value] : readable)
            m_settings->setValue(key, value);
        m_settings->sync();
    }
    m_settings = openSettings();
    if (m_settings->status() != QSettings::NoError || looksBinary(m_path)) {
        m_leaveFileAlone = true;
        report(QStringLiteral("cannot rewrite the settings file %1; changes made now will not be "
                              "saved")
                   .arg(m_path));
    }
}

QString StoreFile::read(const QString& section, const QString& key,
                        const QString& defaultValue) const {
    const QString path = keyPath(section, key);
    if (m_leaveFileAlone) {
        const auto held = m_held.constFind(path);
        if (held != m_held.cend())
            return *held;
    }
    return textOf(m_settings->value(path), defaultValue);
}

void StoreFile::write(const QString& section, const QString& key, const QString& value) {
    const QString path = keyPath(section, key);
    // Never a null string: an empty text is a stored text.
    const QString text = value.isNull() ? QStringLiteral("") : value;
    if (m_leaveFileAlone) {
        m_held.insert(path, text);
        return;
    }
    if (!m_fileReady)
        m_fileReady = prepareFile();
    m_settings->setValue(path, text);
    m_dirty = true;
}

// QSettings replaces the file through a save file that keeps the mode of the file it
// replaces, so creating it private once is enough.
bool StoreFile::prepareFile() {
    if (!makePrivateFolder(QFileInfo(m_path).absolutePath())) {
        reportWriteFailure();
        return false;
    }
    if (QFileInfo::exists(m_path))
        return true;
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivateFile)) {
        reportWriteFailure();
        return false;
    }
    return true;
}

void StoreFile::sync() {
    if (m_leaveFileAlone || !m_dirty)
        return;
    m_dirty = false;
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError) {
        reportWriteFailure();
        return;
    }
    // A file made by someone else, or by an older version, may be readable by others.
    const QFileInfo info(m_path);
    if (info.isFile() && (info.permissions() & kOthersAccess))
        QFile::setPermissions(m_path, kPrivateFile);
}

void StoreFile::reportWriteFailure() {
    if (m_writeFailureReported)
        return;
    m_writeFailureReported = true;
    report(QStringLiteral("cannot write the settings file %1; changes made now will not be saved")
               .arg(m_path));
}

struct Registry {
    std::map<QString, std::unique_ptr<StoreFile>> files;
    SettingsStore::WriteObserver observer;
    bool cleanupRegistered = false;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

void closeAtExit() {
    registry().cleanupRegistered = false;
    SettingsStore::reset();
}

StoreFile& storeFor(const QString& appName) {
    Registry& reg = registry();
    auto it = reg.files.find(appName);
    if (it == reg.files.end())
        it = reg.files.emplace(appName, std::make_unique<StoreFile>(appName)).first;
    // Pending writes must reach the disk while Qt is still whole, not in static destruction.
    if (!reg.cleanupRegistered && QCoreApplication::instance()) {
        qAddPostRoutine(closeAtExit);
        reg.cleanupRegistered = true;
    }
    return *it->second;
}

} // namespace

QString readSetting(const QString& appName, const QString& section, const QString& key,
                    const QString& defaultValue) {
    return storeFor(appName).read(section, key, defaultValue);
}

void writeSetting(const QString& appName, const QString& section, const QString& key,
                  const QString& value) {
    storeFor(appName).write(section, key, value);
    if (const auto& observer = registry().observer)
        observer(section, key, value);
}

QString SettingsStore::filePath(const QString& appName) {
    return QDir::cleanPath(QStringLiteral("%1/%2/%2.ini").arg(configHomePath(), appName));
}

void SettingsStore::sync() {
    for (auto& [name, file] : registry().files)
        file->sync();
}

void SettingsStore::reset() {
    sync();
    registry().files.clear();
}

void SettingsStore::setWriteObserver(WriteObserver observer) {
    registry().observer = std::move(observer);
}

} // namespace kelvane
