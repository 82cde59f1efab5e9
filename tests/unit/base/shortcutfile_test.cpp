#include "base/shortcutfile.h"
#include "support/isolation.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    test::writeFile(dir.filePath(name), bytes);
    return dir.filePath(name);
}

QByteArray utf16(const char* text) {
    return QStringEncoder(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom)
        .encode(QString::fromUtf8(text));
}

const QByteArray kGuid = "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n";

} // namespace

TEST(ShortcutFile, ReadsTheUrlKeyOfTheShortcutSection) {
    QTemporaryDir dir;
    // clang-format off
    const struct { const char* name; QByteArray content; const char* expected; } cases[] = {
        {"plain", "[InternetShortcut]\r\nURL=http://example.com/a?b=c\r\n",
         "http://example.com/a?b=c"},
        {"any case, LF", "[internetSHORTCUT]\nurl=http://x/Y\n", "http://x/Y"},
        {"guid before", kGuid + "[InternetShortcut]\r\nIDList=\r\nURL=http://ie/\r\n",
         "http://ie/"},
        {"other sections first",
         "[DEFAULT]\r\nBASEURL=http://s/InternetShortcut.htm\r\n[DOC_ad]\r\nURL=http://ad/\r\n"
         "[InternetShortcut]\r\nURL=http://s/InternetShortcut.htm\r\n",
         "http://s/InternetShortcut.htm"},
        {"icon file first, 2 KiB", "[InternetShortcut]\r\nIconFile=http://h/favicon.ico?url=x" +
         QByteArray(2048, 'i') + "\r\nURL=http://h/\r\n", "http://h/"},
        {"no final line end", "[InternetShortcut]\nURL=http://end/", "http://end/"},
        {"lone CR", "[InternetShortcut]\rURL=http://cr/\r", "http://cr/"},
        {"UTF-8 mark", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://x/\xC3\xA9\r\n",
         "http://x/\xC3\xA9"},
        {"UTF-16LE", utf16("[InternetShortcut]\r\nURL=http://x/\xE2\x82\xAC\r\n"),
         "http://x/\xE2\x82\xAC"},
        {"blanks", "[ InternetShortcut ]\r\n \t URL \t=  http://x/ \t\r\n", "http://x/"},
        {"wide after",
         "[InternetShortcut]\r\nURL=http://x/caf?\r\n[InternetShortcut.W]\r\n"
         "URL=http://x/caf+AOk-\r\n",
         "http://x/caf\xC3\xA9"},
        {"wide before",
         "[InternetShortcut.W]\r\nURL=http://x/+2DTdHg-\r\n[InternetShortcut]\r\nURL=http://x/"
         "?\r\n",
         "http://x/\xF0\x9D\x84\x9E"},
        {"empty wide", "[InternetShortcut.W]\r\nURL=\r\n[InternetShortcut]\r\nURL=http://x/\r\n",
         "http://x/"},
        {"Windows-1252", "[InternetShortcut]\r\nURL=http://x/\x80\xE9\x9F\r\n",
         "http://x/\xE2\x82\xAC\xC3\xA9\xC5\xB8"},
        {"equals in address", "[InternetShortcut]\nURL=http://x/?a=b=c\n", "http://x/?a=b=c"},
        {"control characters",
         "[InternetShortcut]\nURL=http://x/\x01\x7f\x81"
         "a\n",
         "http://x/a"},
        {"wide control characters",
         "[InternetShortcut.W]\nURL=http://w/+AAkAhQ-a\n[InternetShortcut]\nURL=x\n", "http://w/a"},
        {"nothing after =", "[InternetShortcut]\nURL=\n", ""}, {"empty", "", ""},
        {"key of another section", "[InternetShortcut]\nIconIndex=0\n[Other]\nURL=http://o/\n", ""},
        {"no section", "http://bare/\r\nURL=http://x/\n", ""},
        {"binary", QByteArray("\x00\x01\xff\xfe[Internet", 12) + QByteArray(4096, '\x00'), ""}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(readShortcutUrl(write(dir, QString(c.name) + ".url", c.content)),
                  QString::fromUtf8(c.expected))
            << c.name;
    EXPECT_EQ(readShortcutUrl(dir.filePath("missing.url")), "");
}

TEST(ShortcutFile, WritesTheAddressKeepingOtherLines) {
    QTemporaryDir dir;
    const QString address = "http://new/?a=b;c,d\\e f";
    // clang-format off
    const struct { const char* name; QByteArray before, after; } cases[] = {
        {"new", {}, "[InternetShortcut]\r\nURL=http://new/?a=b;c,d\\e f\r\n"},
        {"replaced",
         kGuid + "[DEFAULT]\nBASEURL=http://b/\n[internetshortcut]\nurl = http://old/\n"
                 "IconFile=\xE9.ico",
         kGuid + "[DEFAULT]\r\nBASEURL=http://b/\r\n[internetshortcut]\r\n"
                 "URL=http://new/?a=b;c,d\\e f\r\nIconFile=\xE9.ico\r\n"},
        {"key missing", "[InternetShortcut]\r\nIconIndex=1\r\n\r\n[Other]\r\nX=1\r\n",
         "[InternetShortcut]\r\nIconIndex=1\r\nURL=http://new/?a=b;c,d\\e f\r\n\r\n[Other]\r\n"
         "X=1\r\n"},
        {"wide follows", "[InternetShortcut.W]\r\nURL=http://old/+AOk-\r\n[InternetShortcut]\r\n",
         "[InternetShortcut.W]\r\nURL=http://new/?a=b;c,d\\e f\r\n[InternetShortcut]\r\n"
         "URL=http://new/?a=b;c,d\\e f\r\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString(c.name) + ".url");
        if (!c.before.isNull())
            write(dir, QString(c.name) + ".url", c.before);
        ASSERT_TRUE(writeShortcutUrl(path, address)) << c.name;
        EXPECT_EQ(test::readFile(path), c.after) << c.name;
        EXPECT_EQ(readShortcutUrl(path), address) << c.name;
    }

    // A UTF-16 shortcut stays UTF-16; an address with line ends cannot add lines.
    const QString wide = write(dir, "wide.url", utf16("[InternetShortcut]\r\nURL=x\r\n"));
    ASSERT_TRUE(writeShortcutUrl(wide, "http://x/\r\n[y]\r\nURL=http://evil/"));
    EXPECT_EQ(test::readFile(wide),
              utf16("[InternetShortcut]\r\nURL=http://x/[y]URL=http://evil/\r\n"));
    EXPECT_FALSE(writeShortcutUrl(dir.filePath("no/such/folder.url"), address));

    const QString text = QString::fromUtf8("caf\xC3\xA9 1+1 \xE2\x82\xAC\xF0\x9D\x84\x9E-x");
    EXPECT_EQ(fromUtf7(toUtf7(text)), text);
}

TEST(ShortcutFile, FoundByNameAndByAddressInAnyCase) {
    QTemporaryDir dir;
    write(dir, "News.URL", "[InternetShortcut]\nURL=http://news/\n");
    write(dir, "Mail.url", "[InternetShortcut]\nURL=http://mail/\n");
    EXPECT_EQ(shortcutUrl(dir.filePath("News")), "http://news/");
    EXPECT_EQ(shortcutUrl(dir.filePath("Mail")), "http://mail/");
    EXPECT_EQ(shortcutUrl(dir.filePath("Other")), "");

    const char* const paths[][2] = {{"file:///home/a/News.url", "/home/a/News.url"},
                                    {"FILE:///home/a%20b/News.URL", "/home/a b/News.URL"},
                                    {"/tmp/x.Url", "/tmp/x.Url"},
                                    {"http://example.com/", ""},
                                    {"url", ""}};
    for (const auto& [text, path] : paths)
        EXPECT_EQ(shortcutPathOf(text), path) << text;
}
