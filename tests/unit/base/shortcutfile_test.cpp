#include "base/shortcutfile.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray utf16(QStringConverter::Encoding encoding, const char* text) {
    QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
    return encoder.encode(QString::fromUtf8(text));
}

const char kGuid[] = "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n";

} // namespace

TEST(ShortcutFile, ReadsTheUrlKeyOfTheShortcutSection) {
    QTemporaryDir dir;
    struct {
        const char* name;
        QByteArray content;
        const char* expected;
    } cases[] = {
        {"plain", "[InternetShortcut]\r\nURL=http://example.com/a?b=c\r\n",
         "http://example.com/a?b=c"},
        {"any case, LF", "[internetSHORTCUT]\nurl=http://x/Y\n", "http://x/Y"},
        {"guid before", kGuid + QByteArray("[InternetShortcut]\r\nIDList=\r\nURL=http://ie/\r\n"),
         "http://ie/"},
        {"guid after", "[InternetShortcut]\r\nURL=http://ie/\r\n" + QByteArray(kGuid),
         "http://ie/"},
        {"base address first",
         "[DEFAULT]\r\nBASEURL=http://base/\r\n[InternetShortcut]\r\n"
         "URL=http://page/\r\n",
         "http://page/"},
        {"advert frames",
         "[DEFAULT]\r\nBASEURL=http://s/InternetShortcut.htm\r\n[DOC_ad]\r\nBASEURL=http://ad/\r\n"
         "ORIGURL=http://ad/\r\n[InternetShortcut]\r\nURL=http://s/InternetShortcut.htm\r\n",
         "http://s/InternetShortcut.htm"},
        {"icon file first",
         "[InternetShortcut]\r\nIconFile=http://h/favicon.ico?url=x\r\nIconIndex=1\r\n"
         "URL=http://h/\r\n",
         "http://h/"},
        {"no final line end", "[InternetShortcut]\nURL=http://end/", "http://end/"},
        {"lone CR", "[InternetShortcut]\rURL=http://cr/\r", "http://cr/"},
        {"UTF-8 mark", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://x/\xC3\xA9\r\n",
         "http://x/\xC3\xA9"},
        {"UTF-16LE",
         utf16(QStringConverter::Utf16LE, "[InternetShortcut]\r\nURL=http://x/\xE2\x82\xAC\r\n"),
         "http://x/\xE2\x82\xAC"},
        {"blanks", "[ InternetShortcut ]\r\n \t URL \t=  http://x/ \t\r\n", "http://x/"},
        {"wide after",
         "[InternetShortcut]\r\nURL=http://x/caf?\r\n[InternetShortcut.W]\r\n"
         "URL=http://x/caf+AOk-\r\n",
         "http://x/caf\xC3\xA9"},
        {"wide before",
         "[InternetShortcut.W]\r\nURL=http://x/+2DTdHg-\r\n[InternetShortcut]\r\n"
         "URL=http://x/?\r\n",
         "http://x/\xF0\x9D\x84\x9E"},
        {"empty wide", "[InternetShortcut.W]\r\nURL=\r\n[InternetShortcut]\r\nURL=http://x/\r\n",
         "http://x/"},
        {"Windows-1252", "[InternetShortcut]\r\nURL=http://x/\x80\xE9\x9F\r\n",
         "http://x/\xE2\x82\xAC\xC3\xA9\xC5\xB8"},
        {"equals in address", "[InternetShortcut]\nURL=http://x/?a=b=c\n", "http://x/?a=b=c"},
        {"nothing after =", "[InternetShortcut]\nURL=\n", ""},
        {"key of another section", "[InternetShortcut]\nIconIndex=0\n[Other]\nURL=http://o/\n", ""},
        {"bare address", "http://bare/\r\n", ""},
        {"no section", "URL=http://x/\n", ""},
        {"empty", "", ""},
        {"binary", QByteArray("\x00\x01\xff\xfe[Internet", 12) + QByteArray(4096, '\x00'), ""},
    };
    for (const auto& c : cases) {
        const QString path =
            write(dir, QString::fromLatin1(c.name) + QStringLiteral(".url"), c.content);
        EXPECT_EQ(readShortcutUrl(path), QString::fromUtf8(c.expected)) << c.name;
    }
    EXPECT_EQ(readShortcutUrl(dir.filePath(QStringLiteral("missing.url"))), QString());
}

TEST(ShortcutFile, WritesTheAddressKeepingOtherLines) {
    QTemporaryDir dir;
    const QString address = QStringLiteral("http://new/?a=b;c,d\\e f");
    struct {
        const char* name;
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"new", {}, "[InternetShortcut]\r\nURL=http://new/?a=b;c,d\\e f\r\n"},
        {"replaced",
         QByteArray(kGuid) + "[DEFAULT]\nBASEURL=http://b/\n[internetshortcut]\n"
                             "url = http://old/\nIconFile=\xE9.ico",
         QByteArray(kGuid) + "[DEFAULT]\r\nBASEURL=http://b/\r\n[internetshortcut]\r\n"
                             "URL=http://new/?a=b;c,d\\e f\r\nIconFile=\xE9.ico\r\n"},
        {"key missing", "[InternetShortcut]\r\nIconIndex=1\r\n\r\n[Other]\r\nX=1\r\n",
         "[InternetShortcut]\r\nIconIndex=1\r\nURL=http://new/?a=b;c,d\\e f\r\n\r\n[Other]\r\n"
         "X=1\r\n"},
        {"wide follows", "[InternetShortcut.W]\r\nURL=http://old/+AOk-\r\n[InternetShortcut]\r\n",
         "[InternetShortcut.W]\r\nURL=http://new/?a=b;c,d\\e f\r\n[InternetShortcut]\r\n"
         "URL=http://new/?a=b;c,d\\e f\r\n"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".url"));
        if (!c.before.isNull())
            write(dir, QString::fromLatin1(c.name) + QStringLiteral(".url"), c.before);
        ASSERT_TRUE(writeShortcutUrl(path, address)) << c.name;
        EXPECT_EQ(contents(path), c.after) << c.name;
        EXPECT_EQ(readShortcutUrl(path), address) << c.name;
    }

    // A UTF-16 shortcut stays UTF-16; an address with line ends cannot add lines.
    const QString wide = write(dir, QStringLiteral("wide.url"),
                               utf16(QStringConverter::Utf16LE, "[InternetShortcut]\r\nURL=x\r\n"));
    ASSERT_TRUE(writeShortcutUrl(wide, QStringLiteral("http://x/\r\n[y]\r\nURL=http://evil/")));
    EXPECT_EQ(contents(wide), utf16(QStringConverter::Utf16LE,
                                    "[InternetShortcut]\r\nURL=http://x/[y]URL=http://evil/\r\n"));
    EXPECT_FALSE(writeShortcutUrl(dir.filePath(QStringLiteral("no/such/folder.url")), address));
}

TEST(ShortcutFile, Utf7RoundTrip) {
    const QString text = QString::fromUtf8("caf\xC3\xA9 1+1 \xE2\x82\xAC\xF0\x9D\x84\x9E-x");
    EXPECT_EQ(fromUtf7(toUtf7(text)), text);
}

TEST(ShortcutFile, GetUrlFindsTheExtensionInAnyCase) {
    QTemporaryDir dir;
    write(dir, QStringLiteral("News.URL"), "[InternetShortcut]\nURL=http://news/\n");
    write(dir, QStringLiteral("Mail.url"), "[InternetShortcut]\nURL=http://mail/\n");
    EXPECT_EQ(shortcutUrl(dir.filePath(QStringLiteral("News"))), QStringLiteral("http://news/"));
    EXPECT_EQ(shortcutUrl(dir.filePath(QStringLiteral("Mail"))), QStringLiteral("http://mail/"));
    EXPECT_EQ(shortcutUrl(dir.filePath(QStringLiteral("Other"))), QString());
}

TEST(ShortcutFile, ShortcutPathOfAddresses) {
    EXPECT_EQ(shortcutPathOf(QStringLiteral("file:///home/a/News.url")),
              QStringLiteral("/home/a/News.url"));
    EXPECT_EQ(shortcutPathOf(QStringLiteral("FILE:///home/a%20b/News.URL")),
              QStringLiteral("/home/a b/News.URL"));
    EXPECT_EQ(shortcutPathOf(QStringLiteral("/tmp/x.Url")), QStringLiteral("/tmp/x.Url"));
    EXPECT_EQ(shortcutPathOf(QStringLiteral("http://example.com/")), QString());
    EXPECT_EQ(shortcutPathOf(QStringLiteral("url")), QString());
}
