#include "base/downloadlist.h"
#include "base/rememberedanswers.h"
#include "base/sessionfile.h"
#include "base/shortcutfile.h"
#include "base/startguard.h"
#include "favorites/favoritesstore.h"
#include "notes/notesfile.h"
#include "platform/displayplatform.h"
#include "platform/paths.h"
#include "popups/blockedsites.h"
#include "support/isolation.h"

#include <QDirIterator>
#include <QFile>
#include <QScopeGuard>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace kelvane;

namespace {

// Another local user may have made the folder that the lock and the socket would go to.
TEST(RuntimeFolderTest, OnlyAFolderOfThisUserAloneIsUsed) {
    const QByteArray savedTemp = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] { qputenv("TMPDIR", savedTemp); });
    enum Shared { Missing, OpenToAll, LinkToOurs, OtherUsers };
    // A runtimeDirMode of 0: XDG_RUNTIME_DIR not set.
    // clang-format off
    const struct { const char* name; mode_t runtimeDirMode; Shared shared; bool sharedUsed; }
        cases[] = {
        {"runtime dir open to others", 0755, Missing, true},
        {"no runtime dir", 0, Missing, true},
        {"temp folder open to all", 0, OpenToAll, false},
        {"temp folder is a link", 0, LinkToOurs, false},
        {"temp folder of another user (last: needs root)", 0, OtherUsers, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.shared == OtherUsers && ::geteuid() != 0)
            GTEST_SKIP() << "making a folder of another user needs root";
        qputenv("TMPDIR", savedTemp); // the last case's home is gone
        test::IsolatedHome home;
        qputenv("TMPDIR", QFile::encodeName(home.root()));
        const QByteArray runtimeDir = QFile::encodeName(home.runtimeDir());
        ASSERT_TRUE(c.runtimeDirMode ? ::chmod(runtimeDir, c.runtimeDirMode) == 0
                                     : qunsetenv("XDG_RUNTIME_DIR"));
        const QString shared = home.root() + "/kelvane-" + QString::number(::getuid());
        const QByteArray sharedName = QFile::encodeName(shared);
        const bool made = c.shared == LinkToOurs ? ::symlink(runtimeDir, sharedName) == 0
                          : c.shared == Missing  ? true
                                                 : ::mkdir(sharedName, 0700) == 0;
        ASSERT_TRUE(made && (c.shared != OpenToAll || ::chmod(sharedName, 0777) == 0) &&
                    (c.shared != OtherUsers || ::chown(sharedName, 65534, 65534) == 0));

        testing::internal::CaptureStderr();
        const QString used = runtimeFolder();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(used, c.sharedUsed ? shared : home.root() + "/cache/kelvane-runtime");
        EXPECT_EQ(err.find("kelvane: not using") != std::string::npos,
                  c.runtimeDirMode || !c.sharedUsed)
            << err;
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(used), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
}

TEST(DisplayPlatform, XWaylandOnlyWhenBothAreThereAndTheUserChoseNone) {
    // clang-format off
    const struct { const char *qpa, *wayland, *display; bool argument; const char* expected; }
        cases[] = {{"", "wayland-0", ":0", false, "xcb"}, {"", "wayland-0", "", false, ""},
                   {"", "", ":0", false, ""}, {"wayland", "wayland-0", ":0", false, ""},
                   {"", "wayland-0", ":0", true, ""}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(preferredPlatform(c.qpa, c.wayland, c.display, c.argument), c.expected)
            << c.qpa << '|' << c.wayland << '|' << c.display << '|' << c.argument;
}

} // namespace

TEST(PrivateFiles, EveryFileOfOursIsTheUsersAloneInFoldersOfHisAlone) {
    test::IsolatedHome home;
    const QString cache = home.root() + "/cache/Kelvane";
    ASSERT_TRUE(QDir().mkpath(cache)); // as an older version left it, open to everyone
    ASSERT_TRUE(QFile::setPermissions(cache, QFile::Permissions(0x7755)));
    makeOwnFoldersPrivate();
    RememberedAnswers answers;
    DownloadRecord download;
    download.url = "http://d/f", download.path = "/tmp/f";
    const bool written[] = {
        !favoritesFolder().isEmpty() && writeShortcutUrl(favoritesFolder() + "/f.url", "http://f/"),
        answers.remember("http://a", "location", true) && answers.save(),
        writeDownloadList({download}, downloadListPath()),
        NotesFile().write({"note"}),
        BlockedSitesFile().save({"b.test"}),
        !StartGuard().beginRestore({"http://s/"}), // written; no reason to ask
        SessionFile::write(SessionFile::defaultPath(), {{"http://s/", "S", {}}}),
    };
    for (int i = 0; i < int(std::size(written)); ++i)
        EXPECT_TRUE(written[i]) << i;
    QDirIterator it(home.root(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (!info.absoluteFilePath().contains("/Kelvane"))
            continue;
        files += info.isFile();
        EXPECT_EQ(int(info.permissions() & 0x0077), 0) << info.absoluteFilePath();
    }
    EXPECT_GE(files, 7);
}
