#include "base/settingsstore.h"

#include "support/isolation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

const QString kApp = QStringLiteral("Kelvane");
const QString kSection = QStringLiteral("Settings");

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kOthersAccess = QFile::ReadGroup | QFile::WriteGroup |
                                             QFile::ExeGroup | QFile::ReadOther |
                                             QFile::WriteOther | QFile::ExeOther;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QFile::Permissions modeBits(const QString& path) {
    // Only the owner/group/other bits; Qt adds "user" bits that mirror the owner's.
    return QFileInfo(path).permissions() &
           (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | kOthersAccess);
}

int messageLines(const std::string& captured) {
    int lines = 0;
    for (size_t at = captured.find("kelvane:"); at != std::string::npos;
         at = captured.find("kelvane:", at + 1))
        ++lines;
    return lines;
}

// Each test starts with an empty home and a store that has nothing open.
class SettingsStoreTest : public ::testing::Test {
protected:
    test::IsolatedHome home;
    QString file() const { return SettingsStore::filePath(); }
    QString folder() const { return QFileInfo(file()).absolutePath(); }
    static QString get(const QString& key, const QString& def = QStringLiteral("<default>")) {
        return readSetting(kApp, kSection, key, def);
    }
    static void put(const QString& key, const QString& value) {
        writeSetting(kApp, kSection, key, value);
    }
    // Writes the file and forgets it, so the next read comes from the disk.
    static void flush() {
        SettingsStore::sync();
        SettingsStore::reset();
    }
};

TEST_F(SettingsStoreTest, AwkwardTextsComeBackExactly) {
    QString longText;
    for (int i = 0; i < 10000; ++i)
        longText += QChar(u"a,;\"\\ =@[é\t"[i % 11]);
    const struct {
        const char* name;
        QString text;
    } cases[] = {
        {"comma", QStringLiteral("a,b")},
        {"URL with comma", QStringLiteral("https://example.com/?q=a,b&r=1")},
        {"leading semicolon", QStringLiteral(";comment?")},
        {"hash", QStringLiteral("#not a comment")},
        {"quoted whole", QStringLiteral("\"quoted\"")},
        {"backslashes", QStringLiteral("C:\\Users\\me\\x41\\")},
        {"leading and trailing blanks", QStringLiteral("  padded  ")},
        {"looks like a variant", QStringLiteral("@Variant(abc)")},
        {"leading equals", QStringLiteral("=x=y")},
        {"leading bracket", QStringLiteral("[Section]")},
        {"non-ASCII", QStringLiteral("Grüße, 日本語 ✓ 😀")},
        {"newline", QStringLiteral("line one\nline two\r\n")},
        {"control character", QStringLiteral("a\x01"
                                             "b")},
        {"empty", QStringLiteral("")},
        {"10000 characters", longText},
    };
    int n = 0;
    for (const auto& c : cases)
        put(QStringLiteral("Text%1").arg(++n), c.text);
    flush();
    ASSERT_TRUE(QFileInfo::exists(file()));

    n = 0;
    for (const auto& c : cases) {
        const QString back = get(QStringLiteral("Text%1").arg(++n));
        EXPECT_EQ(back, c.text) << c.name;
        EXPECT_FALSE(back.isNull()) << c.name;
    }
}

TEST_F(SettingsStoreTest, MissingKeyGivesDefaultButEmptyTextIsStored) {
    EXPECT_EQ(get(QStringLiteral("Absent"), QStringLiteral("fallback")),
              QStringLiteral("fallback"));
    put(QStringLiteral("Empty"), QString());
    flush();
    EXPECT_EQ(get(QStringLiteral("Empty"), QStringLiteral("fallback")), QString(""));
    EXPECT_EQ(get(QStringLiteral("Absent"), QStringLiteral("fallback")),
              QStringLiteral("fallback"));
}

TEST_F(SettingsStoreTest, ReadingAloneCreatesNothing) {
    get(QStringLiteral("Home1"));
    SettingsStore::reset();
    EXPECT_FALSE(QFileInfo::exists(folder()));
}

TEST_F(SettingsStoreTest, ValueIsReplacedAndVisibleBeforeSync) {
    put(QStringLiteral("Home1"), QStringLiteral("one"));
    put(QStringLiteral("Home1"), QStringLiteral("two"));
    EXPECT_EQ(get(QStringLiteral("Home1")), QStringLiteral("two"));
    flush();
    EXPECT_EQ(get(QStringLiteral("Home1")), QStringLiteral("two"));
}

TEST_F(SettingsStoreTest, SectionsAndApplicationsAreSeparate) {
    put(QStringLiteral("Key"), QStringLiteral("settings"));
    writeSetting(kApp, QStringLiteral("ViewSettings"), QStringLiteral("Key"),
                 QStringLiteral("view"));
    writeSetting(QStringLiteral("Other"), kSection, QStringLiteral("Key"), QStringLiteral("other"));
    flush();
    EXPECT_EQ(get(QStringLiteral("Key")), QStringLiteral("settings"));
    EXPECT_EQ(readSetting(kApp, QStringLiteral("ViewSettings"), QStringLiteral("Key"), {}),
              QStringLiteral("view"));
    EXPECT_EQ(readSetting(QStringLiteral("Other"), kSection, QStringLiteral("Key"), {}),
              QStringLiteral("other"));
    EXPECT_TRUE(QFileInfo::exists(SettingsStore::filePath(QStringLiteral("Other"))));
}

TEST_F(SettingsStoreTest, FileIsPrivateAndStaysPrivateAfterRewrites) {
    put(QStringLiteral("Password"), QStringLiteral("secret"));
    SettingsStore::sync();
    EXPECT_EQ(modeBits(folder()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(modeBits(file()), kOwnerOnly);

    // QSettings replaces the file through a new file on every write.
    flush();
    put(QStringLiteral("Home1"), QStringLiteral("x"));
    SettingsStore::sync();
    EXPECT_EQ(modeBits(file()), kOwnerOnly);
}

TEST_F(SettingsStoreTest, FileOpenToOthersIsMadePrivateAtTheNextWrite) {
    writeRaw(file(), "[Settings]\nHome1=kept\n");
    QFile::setPermissions(file(), kOwnerOnly | QFile::ReadGroup | QFile::ReadOther);
    put(QStringLiteral("Password"), QStringLiteral("secret"));
    SettingsStore::sync();
    EXPECT_EQ(modeBits(file()), kOwnerOnly);
    flush();
    EXPECT_EQ(get(QStringLiteral("Home1")), QStringLiteral("kept"));
}

TEST_F(SettingsStoreTest, HandEditedValuesReadAsTheirText) {
    writeRaw(file(), "[Settings]\n"
                     "Unquoted=https://example.com/?q=a,b\n"
                     "Quoted=\"a,b\"\n"
                     "Plain=  spaced  \n"
                     "Empty=\n");
    EXPECT_EQ(get(QStringLiteral("Unquoted")), QStringLiteral("https://example.com/?q=a,b"));
    EXPECT_EQ(get(QStringLiteral("Quoted")), QStringLiteral("a,b"));
    EXPECT_EQ(get(QStringLiteral("Plain")), QStringLiteral("spaced"));
    EXPECT_EQ(get(QStringLiteral("Empty")), QString(""));
}

// A damaged file: what can be read is kept, the original is copied aside before anything is
// written back, and the user is told once.
TEST_F(SettingsStoreTest, DamagedFilesAreKeptAsACopy) {
    const struct {
        const char* name;
        QByteArray content;
    } cases[] = {
        {"garbage lines", "[Settings]\nHome1=kept\nthis line has no equals sign\n[Broken\n"},
        {"binary", QByteArray("\x7f"
                              "ELF\x02\x01\x01\0\0\0\xff\xfe\x80\n[Settings]\nHome1=kept\n\0\x03",
                              38)},
        {"invalid UTF-8 only", "[Settings]\nHome1=kept\nNews=caf\xe9\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::IsolatedHome fresh;
        writeRaw(file(), c.content);

        testing::internal::CaptureStderr();
        EXPECT_EQ(get(QStringLiteral("Home1")), QStringLiteral("kept"));
        put(QStringLiteral("Search"), QStringLiteral("new"));
        SettingsStore::sync();
        get(QStringLiteral("Search"));
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(messageLines(err), 1) << err;
        EXPECT_NE(err.find("Kelvane.ini.bad"), std::string::npos) << err;

        EXPECT_EQ(readAll(file() + QStringLiteral(".bad")), c.content);
        EXPECT_EQ(modeBits(file() + QStringLiteral(".bad")), kOwnerOnly);

        // The rewritten file is sound: reopening it says nothing and keeps both values.
        SettingsStore::reset();
        testing::internal::CaptureStderr();
        EXPECT_EQ(get(QStringLiteral("Search")), QStringLiteral("new"));
        EXPECT_EQ(get(QStringLiteral("Home1")), QStringLiteral("kept"));
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
    writeRaw(file() + QStringLiteral(".bad"), "earlier");
    for (const QByteArray& damaged : {large, large, large.left(200 * 1024)}) {
        writeRaw(file(), damaged);
        testing::internal::CaptureStderr();
        get(QStringLiteral("Home1"));
        put(QStringLiteral("Home1"), QStringLiteral("saved"));
        flush();
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(get(QStringLiteral("Home1")), QStringLiteral("saved"));
        SettingsStore::reset();
    }
    EXPECT_EQ(readAll(file() + QStringLiteral(".bad")), QByteArray("earlier"));
    EXPECT_EQ(readAll(file() + QStringLiteral(".bad.1")), large);
    EXPECT_EQ(readAll(file() + QStringLiteral(".bad.2")), large.left(200 * 1024));
    EXPECT_FALSE(QFileInfo::exists(file() + QStringLiteral(".bad.3")));
}

// Kelvane.ini is a folder: it can be neither read nor replaced. Tests may run as root, for
// whom file modes do not stop anything, so a folder stands for the unreadable file.
TEST_F(SettingsStoreTest, UnreadableFileIsLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(file()));
    writeRaw(file() + QStringLiteral("/inside"), "user data");

    testing::internal::CaptureStderr();
    EXPECT_EQ(get(QStringLiteral("Home1"), QStringLiteral("def")), QStringLiteral("def"));
    put(QStringLiteral("Home1"), QStringLiteral("typed"));
    EXPECT_EQ(get(QStringLiteral("Home1"), QStringLiteral("def")), QStringLiteral("typed"));
    put(QStringLiteral("Home2"), QStringLiteral("typed"));
    SettingsStore::sync();
    SettingsStore::reset();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(messageLines(err), 1) << err;

    EXPECT_TRUE(QFileInfo(file()).isDir());
    EXPECT_EQ(readAll(file() + QStringLiteral("/inside")), QByteArray("user data"));
}

// The folder cannot be made (a plain file is in its place): writes fail without harm.
TEST_F(SettingsStoreTest, UnwritableFolderIsReportedOnce) {
    writeRaw(folder(), "not a folder");

    testing::internal::CaptureStderr();
    put(QStringLiteral("Home1"), QStringLiteral("typed"));
    put(QStringLiteral("Home2"), QStringLiteral("typed"));
    SettingsStore::sync();
    EXPECT_EQ(get(QStringLiteral("Home1")), QStringLiteral("typed")); // kept for the session
    put(QStringLiteral("News"), QStringLiteral("typed"));
    SettingsStore::sync();
    SettingsStore::reset();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(messageLines(err), 1) << err;
    EXPECT_EQ(readAll(folder()), QByteArray("not a folder"));
}

} // namespace
