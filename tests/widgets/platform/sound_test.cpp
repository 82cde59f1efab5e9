#include "platform/sound.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace kelvane;

namespace {

TEST(KillSound, PlaysOurWaveThroughThePlayerOnPath) {
    // A stand-in player that keeps a copy of the file it is given.
    QTemporaryDir bin;
    const QString copy = bin.filePath("played.wav");
    const QString player = bin.filePath("pw-play");
    const QString script = QString("#!/bin/sh\ncp \"$1\" '%1.part'; mv '%1.part' '%1'\n").arg(copy);
    ASSERT_TRUE(test::writeFile(player, script.toUtf8()));
    QFile::setPermissions(player, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":/usr/bin:/bin");
    EXPECT_TRUE(playKillSound());
    qputenv("PATH", path);

    ASSERT_TRUE(test::waitUntil([&] { return QFile::exists(copy); }));
    EXPECT_TRUE(test::readFile(copy).startsWith("RIFF"));
}

} // namespace
