#include "base/fileassociation.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(FileAssociation, ExecLineQuotesAndEscapesThePathAsDesktopEntriesRequire) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/kelvane", "/usr/bin/kelvane -- %u"},
        {"/opt/My Apps/kelvane", "\"/opt/My Apps/kelvane\" -- %u"},
        {"/opt/a\"b$c/kelvane", "\"/opt/a\\\\\"b\\\\$c/kelvane\" -- %u"},
        {"/opt/back\\slash/kelvane", "\"/opt/back\\\\\\\\slash/kelvane\" -- %u"},
        {"/opt/100%/kelvane", "/opt/100%%/kelvane -- %u"},
    };
    for (const auto& [text, exec] : cases) {
        const QString path = QString::fromUtf8(text);
        EXPECT_EQ(desktopExecLine(path), QString::fromUtf8(exec)) << text;
        EXPECT_EQ(desktopEntryExec(desktopEntryText(path)), desktopExecLine(path)) << text;
        EXPECT_EQ(execProgram(desktopExecLine(path)), path) << text;
    }
    // Only the main group's Exec counts.
    EXPECT_EQ(desktopEntryExec("[Desktop Action new]\nExec=other\n[Desktop Entry]\nExec = mine\n"),
              QStringLiteral("mine"));
}

TEST(FileAssociation, DefaultsAreSetAndEveryOtherLineKeptByteForByte) {
    const QByteArray before =
        "# my associations\r\n[Added Associations]\ntext/html=firefox.desktop;\n\n"
        "[Default Applications]\r\nimage/png=viewer.desktop\r\n"
        "text/html = firefox.desktop;chromium.desktop;\r\n" // the line replaced
        "[Removed Associations]\nx-scheme-handler/ftp=old.desktop";
    const QByteArray after =
        withDefaultApplications(before, registeredMimeTypes(), QStringLiteral("kelvane.desktop"));
    for (const QString& type : registeredMimeTypes())
        EXPECT_EQ(defaultApplications(after, type), QStringList{"kelvane.desktop"})
            << qPrintable(type);
    // The replaced line keeps its line end; the other lines stay in order, unchanged.
    QList<QByteArray> kept = before.split('\n');
    kept.removeAt(6);
    qsizetype from = 0;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const QByteArray line = kept[i] + (i + 1 < kept.size() ? "\n" : "");
        const qsizetype at = after.indexOf(line, from);
        ASSERT_GE(at, from) << line.constData();
        from = at + line.size();
    }
    EXPECT_TRUE(after.contains("text/html=kelvane.desktop;\r\n"));
    EXPECT_EQ(defaultApplications(after, QStringLiteral("image/png")),
              QStringList{"viewer.desktop"});
    EXPECT_EQ(withDefaultApplications(after, registeredMimeTypes(), "kelvane.desktop"), after);

    // No group yet, and no line end at the end of the file.
    const QByteArray added = withDefaultApplications("[Added Associations]\na=b.desktop",
                                                     {"text/html"}, "kelvane.desktop");
    EXPECT_EQ(added, "[Added Associations]\na=b.desktop\n\n[Default Applications]\n"
                     "text/html=kelvane.desktop;\n");
}

} // namespace
