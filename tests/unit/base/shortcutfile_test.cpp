#include "base/shortcutfile.h"

#include <QFile>
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

} // namespace

TEST(ShortcutFile, ReadsTheAddressAfterTheSectionHeader) {
    QTemporaryDir dir;
    struct {
        const char* name;
        QByteArray content;
        QString expected;
    } cases[] = {
        {"plain", "[InternetShortcut]\r\nURL=http://example.com/a?b=c\r\n",
         QStringLiteral("http://example.com/a?b=c")},
        {"any case", "[internetSHORTCUT]\nurl=http://x/Y\n", QStringLiteral("http://x/Y")},
        {"nothing after the key", "[InternetShortcut]\nURL=\n", QString()},
        {"blanks around", "[InternetShortcut]\n   URL=http://x/ \t \n",
         QStringLiteral("http://x/")},
        {"no section line", "URL=http://x/\n", QString()},
        {"base key first wins", "[InternetShortcut]\nBASEURL=http://base/\nURL=http://x/\n",
         QStringLiteral("http://base/")},
        {"lines before the section", "URL=http://before/\n[InternetShortcut]\nURL=http://after/",
         QStringLiteral("http://after/")},
        {"equals inside the address", "[InternetShortcut]\nURL=http://x/?a=b=c\n",
         QStringLiteral("http://x/?a=b=c")},
        {"binary", QByteArray("\x00\x01\xff\xfe[Internet", 12) + QByteArray(4096, '\x00'),
         QString()},
        {"empty", "", QString()},
    };
    for (const auto& c : cases) {
        const QString path =
            write(dir, QString::fromLatin1(c.name) + QStringLiteral(".url"), c.content);
        EXPECT_EQ(readShortcutUrl(path), c.expected) << c.name;
    }
    EXPECT_EQ(readShortcutUrl(dir.filePath(QStringLiteral("missing.url"))), QString());
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
