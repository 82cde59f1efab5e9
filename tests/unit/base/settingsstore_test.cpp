#include "base/sessionfile.h"
#include "base/settingsstore.h"

#include "support/isolation.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

// Only the owner, group and other bits; Qt adds "user" bits that mirror the owner's.
QFile::Permissions modeBits(const QString& path) {
    return QFileInfo(path).permissions() & QFile::Permissions(QFlag(0x7077));
}

bool saidOnce(const std::string& err) {
    return err.find("kelvane:") != std::string::npos &&
           err.find("kelvane:") == err.rfind("kelvane:");
}

// Each test starts with an empty home and a store that has nothing open.
class SettingsStoreTest : public ::testing::Test {
protected:
    test::IsolatedHome home;
    QString file() const { return SettingsStore::filePath(); }
    QString folder() const { return QFileInfo(file()).absolutePath(); }
    static QString get(const QString& key, const QString& def = "<default>") {
        return readSetting(kAppName, kSettingsSection, key, def);
    }
    static void put(const QString& key, const QString& value) {
        writeSetting(kAppName, kSettingsSection, key, value);
    }
    // Writes the file and forgets it, so the next read comes from the disk.
    static void flush() {
        SettingsStore::sync();
        SettingsStore::reset();
    }
};

TEST_F(SettingsStoreTest, TextsComeBackExactlyAndAreKeptApart) {
    QString longText;
    for (int i = 0; i < 10000; ++i)
        longText += QChar(u"a,;\"\\ =@[é\t"[i % 11]);
    // clang-format off
    const QString texts[] = {"https://example.com/?q=a,b&r=1", ";comment? #not", "\"quoted\"",
                             "C:\\Users\\x41\\", "  padded  ", "@Variant(abc)", "=x=y", "[Section]",
                             "Grüße, 日本語 😀", "line\nline two\r\n", "a\x01", "", longText};
    // clang-format on
    for (int i = 0; i < int(std::size(texts)); ++i)
        put(QString("Text%1").arg(i), texts[i]);
    put("Null", QString());
    writeSetting(kAppName, "ViewSettings", "Text0", "view");
    writeSetting("Other", kSettingsSection, "Text0", "other");
    flush();
    for (int i = 0; i < int(std::size(texts)); ++i) {
        EXPECT_EQ(get(QString("Text%1").arg(i)), texts[i]) << i;
        EXPECT_FALSE(get(QString("Text%1").arg(i)).isNull()) << i;
    }
    EXPECT_EQ(get("Absent", "fallback"), "fallback");
    EXPECT_EQ(get("Null", "fallback"), "");
    EXPECT_EQ(readSetting(kAppName, "ViewSettings", "Text0", {}), "view");
    EXPECT_EQ(readSetting("Other", kSettingsSection, "Text0", {}), "other");
}

TEST_F(SettingsStoreTest, FileIsMadeAndKeptPrivate) {
    put("Password", "secret");
    EXPECT_EQ(modeBits(file()), kOwnerOnly) << "from its creation";
    SettingsStore::sync();
    EXPECT_EQ(modeBits(folder()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(modeBits(file()), kOwnerOnly);

    // One open to others (an older version's, say) is made private at the next write.
    flush();
    QFile::setPermissions(file(), kOwnerOnly | QFile::ReadGroup | QFile::ReadOther);
    put("Home1", "x");
    SettingsStore::sync();
    EXPECT_EQ(modeBits(file()), kOwnerOnly);
    flush();
    EXPECT_EQ(get("Password"), "secret");
}

// A damaged file: what can be read is kept, the original is copied aside before anything is
// written back, and the user is told once.
TEST_F(SettingsStoreTest, DamagedFilesAreKeptAsACopy) {
    const QByteArray cases[] = {
        "[Settings]\nHome1=kept\nthis line has no equals sign\n[Broken\n",
        QByteArray("\x7f"
                   "ELF\x02\x01\x01\0\0\0\xff\xfe\x80\n[Settings]\nHome1=kept\n\0\x03",
                   38),
        "[Settings]\nHome1=kept\nNews=caf\xe9\n", // invalid UTF-8 only
    };
    for (const QByteArray& damaged : cases) {
        SCOPED_TRACE(damaged.toPercentEncoding().left(60).constData());
        test::IsolatedHome fresh;
        ASSERT_TRUE(test::writeFile(file(), damaged));
        testing::internal::CaptureStderr();
        EXPECT_EQ(get("Home1"), "kept");
        put("Search", "new");
        SettingsStore::sync();
        get("Search");
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(saidOnce(err)) << err;
        EXPECT_NE(err.find("Kelvane.ini.bad"), std::string::npos) << err;
        EXPECT_EQ(test::readFile(file() + ".bad"), damaged);
        EXPECT_EQ(modeBits(file() + ".bad"), kOwnerOnly);

        // The rewritten file is sound: reopening it says nothing and keeps both values.
        SettingsStore::reset();
        testing::internal::CaptureStderr();
        EXPECT_EQ(get("Search"), "new");
        EXPECT_EQ(get("Home1"), "kept");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

// However large the damage, the file is made sound, and each distinct damaged content is kept
// once, whatever copies are there already.
TEST_F(SettingsStoreTest, LargeDamagedFileIsRepairedAndKeptOnce) {
    QByteArray large(400 * 1024, 0);
    QRandomGenerator random(1);
    for (char& byte : large)
        byte = char(random.generate());
    ASSERT_TRUE(test::writeFile(file() + ".bad", "earlier"));
    for (const QByteArray& damaged : {large, large, large.left(200 * 1024)}) {
        ASSERT_TRUE(test::writeFile(file(), damaged));
        testing::internal::CaptureStderr();
        get("Home1");
        put("Home1", "saved");
        flush();
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(get("Home1"), "saved");
        SettingsStore::reset();
    }
    EXPECT_EQ(test::readFile(file() + ".bad"), "earlier");
    EXPECT_EQ(test::readFile(file() + ".bad.1"), large);
    EXPECT_EQ(test::readFile(file() + ".bad.2"), large.left(200 * 1024));
    EXPECT_FALSE(QFileInfo::exists(file() + ".bad.3"));
}

// Kelvane.ini is a folder, so it can be neither read nor replaced (file modes stop nothing for
// root); or its folder cannot be made. Values live on for the session; the user is told once.
TEST_F(SettingsStoreTest, UnreadableOrUnwritableFileIsLeftAlone) {
    for (const bool folderIsAFile : {false, true}) {
        SCOPED_TRACE(folderIsAFile);
        test::IsolatedHome fresh;
        const QString blocker = folderIsAFile ? folder() : file() + "/inside";
        ASSERT_TRUE(test::writeFile(blocker, "user data"));
        testing::internal::CaptureStderr();
        EXPECT_EQ(get("Home1", "def"), "def");
        put("Home1", "typed");
        put("Home2", "typed");
        SettingsStore::sync();
        EXPECT_EQ(get("Home1", "def"), "typed");
        put("News", "typed");
        SettingsStore::reset();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(saidOnce(err)) << err;
        EXPECT_EQ(test::readFile(blocker), "user data");
    }
}

TEST(SessionFile, ReadsBackWhatItWroteAndRefusesAnyDamage) {
    test::IsolatedHome home;
    const QString path = SessionFile::defaultPath();
    QString error = "x";
    EXPECT_FALSE(SessionFile::read(path, &error));
    EXPECT_TRUE(error.isEmpty()) << "a missing file is no damage";

    const QList<SavedPage> pages = {{"http://a/", "Ä", QByteArray("\0\1\2", 3)}, {"", "", ""}};
    ASSERT_TRUE(SessionFile::write(path, pages));
    EXPECT_FALSE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther));
    const auto read = SessionFile::read(path, &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(*read, pages);

    const QByteArray whole = test::readFile(path);
    QByteArray flipped = whole;
    const qsizetype url = whole.indexOf(QByteArray("\0h\0t", 4)) + 1; // its form stays sound
    flipped[url] = flipped[url] ^ 1;
    for (const QByteArray& damaged : QList<QByteArray>{
             whole.left(whole.size() - 1), flipped, whole + "x", QByteArray(),
             "KVSX" + whole.mid(4), QByteArray(whole).replace(4, 2, QByteArray("\0\2", 2))}) {
        ASSERT_TRUE(test::writeFile(path, damaged));
        error.clear();
        EXPECT_FALSE(SessionFile::read(path, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
