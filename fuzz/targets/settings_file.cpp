// The settings file as anyone may have left it: every key of the catalogue read as the program
// reads it, then a value written, read back at once and read back again from the file by a
// new start.
#include "../fuzztarget.h"

#include "base/settingscatalogue.h"
#include "base/settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace kelvane;
using namespace kelvane::fuzz;

namespace {

void readCatalogue() {
    for (const CatalogueEntry& entry : settingsCatalogue()) {
        const QString key = entry.numbered ? numberedKey(entry.key.section(u'#', 0, 0), 1,
                                                         entry.key.section(u'#', 1))
                                           : entry.key;
        switch (entry.type) {
        case SettingType::Boolean:
            Settings::readBool(key, false);
            break;
        case SettingType::Position:
            Settings::readPosition(key, 0);
            break;
        case SettingType::Int16:
            Settings::readInt16(key, 0);
            break;
        case SettingType::Int32:
            Settings::readInt32(key, 0);
            break;
        case SettingType::Text:
            Settings::readText(key, {});
            break;
        }
    }
}

} // namespace

KELVANE_FUZZ_TARGET(settings_file) {
    const char* name = "settings_file";
    // One path for every input, as the program has: the settings library keeps what it read of
    // a path and reads it again when the file's time or size changed, so each input's file
    // gets a time of its own, long past.
    static qint64 inputs = 0;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(lastingFolder(QStringLiteral("config"))));
    SettingsStore::reset();
    const QString path = SettingsStore::filePath();
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    check(
        file.open(QIODevice::WriteOnly) && file.write(input.data(), input.size()) == input.size() &&
            file.setFileTime(QDateTime::fromSecsSinceEpoch(++inputs), QFile::FileModificationTime),
        name, QStringLiteral("cannot write ") + path);
    file.close();

    readCatalogue();

    // The value is the input's last line: any text a user may type.
    const QString value = QString::fromUtf8(input.sliced(input.lastIndexOf('\n') + 1));
    const QString keys[] = {QStringLiteral("Home1"), numberedKey(QStringLiteral("Document"), 1)};
    for (const QString& key : keys)
        Settings::writeText(key, value);
    for (const QString& key : keys) {
        const QString now = Settings::readText(key, QStringLiteral("(none)"));
        check(now == value, name,
              QStringLiteral("%1: wrote %2, read %3").arg(key, escaped(value), escaped(now)));
    }
    SettingsStore::reset();
    for (const QString& key : keys) {
        const QString later = Settings::readText(key, QStringLiteral("(none)"));
        check(later == value, name,
              QStringLiteral("%1 after a new start: wrote %2, read %3")
                  .arg(key, escaped(value), escaped(later)));
    }
    readCatalogue();
    SettingsStore::reset();
}
