#include "platform/sound.h"
#include "support/waituntil.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace kelvane;

namespace {

TEST(KillSound, PlaysOurWaveThroughThePlayerOnPathAndIsQuietWithoutOne) {
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir bin;
    qputenv("PATH", bin.path().toLocal8Bit());
    EXPECT_FALSE(playKillSound());

    // A stand-in player that keeps a copy of the file it is given.
    const QString copy = bin.filePath(QStringLiteral("played.wav"));
    QFile player(bin.filePath(QStringLiteral("pw-play")));
    ASSERT_TRUE(player.open(QIODevice::WriteOnly));
    player.write(QStringLiteral("#!/bin/sh\ncp \"$1\" '%1.part' && mv '%1.part' '%1'\n")
                     .arg(copy)
                     .toLocal8Bit());
    player.close();
    player.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", bin.path().toLocal8Bit() + ":/usr/bin:/bin");
    EXPECT_TRUE(playKillSound());
    qputenv("PATH", path);

    ASSERT_TRUE(test::waitUntil([&] { return QFile::exists(copy); }));
    QFile played(copy);
    ASSERT_TRUE(played.open(QIODevice::ReadOnly));
    const QByteArray header = played.read(12);
    EXPECT_TRUE(header.startsWith("RIFF") && header.endsWith("WAVE"));
}

} // namespace
