#include "platform/sound.h"

#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace kelvane {

namespace {

const char kSoundResource[] = ":/sounds/kill.wav";

// Players read files, so the compiled-in sound is put in the private runtime folder once.
QString soundFile() {
    const QString path = runtimeFolder() + QStringLiteral("/kelvane-kill.wav");
    QFile sound(QString::fromLatin1(kSoundResource));
    if (!sound.exists())
        return {};
    if (QFileInfo(path).size() == sound.size())
        return path;
    if (!sound.open(QIODevice::ReadOnly))
        return {};
    QSaveFile file(path);
    if (!openPrivate(file) || file.write(sound.readAll()) != sound.size() || !file.commit())
        return {};
    return path;
}

} // namespace

bool playKillSound() {
    struct Player {
        const char* program;
        QStringList options;
    };
    const Player players[] = {
        {"pw-play", {}},
        {"paplay", {}},
        {"aplay", {QStringLiteral("-q")}},
    };
    for (const Player& player : players) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(player.program));
        if (program.isEmpty())
            continue;
        const QString file = soundFile();
        if (file.isEmpty())
            return false;
        QProcess process;
        process.setProgram(program);
        process.setArguments(player.options + QStringList{file});
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        return process.startDetached();
    }
    return false;
}

} // namespace kelvane
