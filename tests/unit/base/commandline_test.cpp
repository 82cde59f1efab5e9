#include "base/commandline.h"

#include "support/printers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(CommandLineTest, ParsesArguments) {
    using A = CommandLine::Action;
    // clang-format off
    const struct { QStringList arguments; A action; QString text, screenshot; } cases[] = {
        {{}, A::Run, "", ""}, {{"\"/home/u/a", "b.html\""}, A::Run, "/home/u/a b.html", ""},
        {{"\"abc"}, A::Run, "ab", ""}, {{"--", "--help"}, A::Run, "--help", ""},
        {{"--", "a", "--", "b"}, A::Run, "a -- b", ""}, {{"-"}, A::Run, "-", ""},
        {{"example.com", "--help"}, A::Help, "", ""}, {{"-v"}, A::Version, "", ""},
        {{"x", "--screenshot", "s.png"}, A::Run, "x", "s.png"},
        {{"--screenshot=-odd.png"}, A::Run, "", "-odd.png"},
        // An error names what was wrong, in one line.
        {{"--screenshot"}, A::Error, "--screenshot", ""},
        {{"--screenshot", "--", "x"}, A::Error, "--screenshot", ""},
        {{"--bogus", "--", "x"}, A::Error, "--bogus", ""}, {{"--helpme"}, A::Error, "--helpme", ""}};
    // clang-format on
    for (const auto& c : cases) {
        const CommandLine line = parseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action) << c.arguments.join(' ').toStdString();
        if (c.action == A::Error) {
            EXPECT_TRUE(line.error.contains(c.text) && !line.error.contains('\n'));
        } else {
            EXPECT_EQ(line.text + '|' + line.screenshotFile, c.text + '|' + c.screenshot);
        }
    }
    // clang-format off
    const QString quotes[][2] = {{"\"abc\"", "abc"}, {"\"", ""}, {"a\"b\"", "a\"b\""},
                                 {" \"abc\"", " \"abc\""}, {"\"x\U0001F600", "x"}};
    // clang-format on
    for (const auto& [in, out] : quotes)
        EXPECT_EQ(stripLeadingQuote(in), out);
}

TEST(CommandLineTest, ResolvesRelativePathsOnly) {
    QTemporaryDir root;
    const QString work = root.path() + "/work";
    ASSERT_TRUE(QDir().mkpath(work + "/sub"));
    for (const char* name : {"/page.html", "/my page.html", "/localhost:8000"})
        QFile(work + name).open(QIODevice::WriteOnly);
    // "@" stands for the working folder, "#" for its parent.
    // clang-format off
    const QString cases[][2] = {
        {"https://example.com/a b", "https://example.com/a b"}, {"view-source:x", "view-source:x"},
        {"localhost:8000", "localhost:8000"}, // an address, file or not
        {"/abs/missing.html", "/abs/missing.html"}, {"my page.html", "@/my page.html"},
        {"sub/../page.html", "@/page.html"}, {"./missing.html", "@/missing.html"},
        {"../up.html", "#/up.html"}, {"missing.html", "missing.html"}};
    // clang-format on
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(resolveAgainst(text, work),
                  QString(expected).replace("@", work).replace("#", root.path()));
    EXPECT_EQ(resolveAgainst("./page.html", "relative/dir"), "./page.html");
}

} // namespace
