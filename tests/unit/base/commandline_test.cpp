#include "base/commandline.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(CommandLineTest, ParsesArguments) {
    using A = CommandLine::Action;
    // clang-format off
    const struct { QStringList arguments; A action; QString text, screenshot; } cases[] = {
        {{"\"/home/u/a", "b.html\""}, A::Run, "/home/u/a b.html", ""}, // quotes come off
        {{"\"abc"}, A::Run, "ab", ""}, {{"--", "--help"}, A::Run, "--help", ""},
        {{"a\tb\x7f", "c\n"}, A::Run, "ab c", ""}, // no control characters
        {{"--", "a", "--", "b"}, A::Run, "a -- b", ""},
        {{"example.com", "--help"}, A::Help, "", ""}, {{"-v"}, A::Version, "", ""},
        {{"x", "--screenshot", "s.png"}, A::Run, "x", "s.png"},
        {{"--screenshot=-odd.png"}, A::Run, "", "-odd.png"},
        // An error names what was wrong, in one line.
        {{"--screenshot"}, A::Error, "--screenshot", ""},
        {{"--screenshot", "--", "x"}, A::Error, "--screenshot", ""},
        {{"--bogus", "--", "x"}, A::Error, "--bogus", ""}, {{"--helpme"}, A::Error, "--helpme", ""},
        {{"--import-favorites", "b.html"}, A::ImportFavorites, "", "b.html"},
        {{"--export-favorites=-o.html"}, A::ExportFavorites, "", "-o.html"},
        {{"--import-favorites", "--", "b"}, A::Error, "--import-favorites", ""},
        {{"--import-favorites=a", "--export-favorites=b"}, A::Error, "one", ""},
        // Qt's own options, with their values, are Qt's.
        {{"-platform", "xcb", "-style", "Fusion", "-reverse", "x"}, A::Run, "x", ""},
        {{"--platform", "xcb", "-style=Fusion", "-qwindowgeometry", "9x9", "x"}, A::Run, "x", ""},
        {{"-nograb", "-stylesheet", "s.qss", "-qmljsdebugger=port:1"}, A::Run, "", ""},
        {{"-platformx"}, A::Error, "-platformx", ""}};
    // clang-format on
    for (const auto& c : cases) {
        const CommandLine line = parseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action) << c.arguments.join(' ').toStdString();
        if (c.action == A::Error) {
            EXPECT_TRUE(line.error.contains(c.text) && !line.error.contains('\n'));
        } else {
            EXPECT_EQ(line.text + '|' + line.screenshotFile + line.favoritesFile,
                      c.text + '|' + c.screenshot);
        }
        EXPECT_EQ(line.platformChosen, c.arguments.first().endsWith("-platform"));
    }
}

TEST(CommandLineTest, ResolvesRelativePathsOnly) {
    QTemporaryDir root;
    const QString work = root.path() + "/work";
    ASSERT_TRUE(QDir().mkpath(work + "/sub"));
    for (const char* name : {"/page.html", "/localhost:8000"})
        QFile(work + name).open(QIODevice::WriteOnly);
    // "@" stands for the working folder, "#" for its parent.
    // clang-format off
    const QString cases[][2] = {
        {"https://a/ b", "https://a/ b"}, {"localhost:8000", "localhost:8000"}, // file or not
        {"/abs/missing.html", "/abs/missing.html"}, {"sub/../page.html", "@/page.html"},
        {"./missing.html", "@/missing.html"}, {"../up.html", "#/up.html"},
        {"missing.html", "missing.html"}};
    // clang-format on
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(resolveAgainst(text, work),
                  QString(expected).replace("@", work).replace("#", root.path()));
    EXPECT_EQ(resolveAgainst("./page.html", "relative/dir"), "./page.html");
}

} // namespace
