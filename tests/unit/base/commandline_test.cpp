#include "base/commandline.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using kelvane::CommandLine;

namespace {

struct ParseCase {
    const char* name;
    QStringList arguments;
    CommandLine::Action action;
    QString text;
    QString screenshot;
    QString errorMentions; // for Action::Error
};

TEST(CommandLineTest, ParsesArguments) {
    using A = CommandLine::Action;
    const ParseCase cases[] = {
        {"nothing", {}, A::Run, "", "", ""},
        {"address", {"https://example.com/?q=a"}, A::Run, "https://example.com/?q=a", "", ""},
        {"quoted path", {"\"/home/u/a b.html\""}, A::Run, "/home/u/a b.html", "", ""},
        {"blanks joined", {"/home/u/a", "b.html"}, A::Run, "/home/u/a b.html", "", ""},
        {"quotes across pieces", {"\"/home/u/a", "b.html\""}, A::Run, "/home/u/a b.html", "", ""},
        {"unclosed quote", {"\"abc"}, A::Run, "ab", "", ""},
        {"dash after --", {"--", "-x"}, A::Run, "-x", "", ""},
        {"option after --", {"--", "--help"}, A::Run, "--help", "", ""},
        {"second -- is text", {"--", "a", "--", "b"}, A::Run, "a -- b", "", ""},
        {"lone dash", {"-"}, A::Run, "-", "", ""},
        {"help", {"--help"}, A::Help, "", "", ""},
        {"short help", {"-h"}, A::Help, "", "", ""},
        {"help after address", {"example.com", "--help"}, A::Help, "", "", ""},
        {"version", {"--version"}, A::Version, "", "", ""},
        {"short version", {"-v"}, A::Version, "", "", ""},
        {"screenshot", {"--screenshot", "shot.png", "x"}, A::Run, "x", "shot.png", ""},
        {"screenshot after address", {"x", "--screenshot", "s.png"}, A::Run, "x", "s.png", ""},
        {"screenshot=", {"--screenshot=shot.png"}, A::Run, "", "shot.png", ""},
        {"screenshot= dash", {"--screenshot=-odd.png"}, A::Run, "", "-odd.png", ""},
        {"screenshot missing", {"--screenshot"}, A::Error, "", "", "--screenshot"},
        {"screenshot= empty", {"--screenshot="}, A::Error, "", "", "--screenshot"},
        {"screenshot eats no --", {"--screenshot", "--", "x"}, A::Error, "", "", "--screenshot"},
        {"unknown short", {"-x"}, A::Error, "", "", "-x"},
        {"unknown long before --", {"--bogus", "--", "x"}, A::Error, "", "", "--bogus"},
        {"help with value", {"--help=1"}, A::Error, "", "", "--help=1"},
        {"prefix of help", {"--helpme"}, A::Error, "", "", "--helpme"},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandLine line = kelvane::parseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action);
        if (c.action == A::Error) {
            EXPECT_TRUE(line.error.contains(c.errorMentions)) << line.error.toStdString();
            EXPECT_FALSE(line.error.contains(u'\n'));
        } else {
            EXPECT_EQ(line.text, c.text);
            EXPECT_EQ(line.screenshotFile, c.screenshot);
            EXPECT_TRUE(line.error.isEmpty());
        }
    }
}

TEST(CommandLineTest, StripsLeadingQuote) {
    const struct {
        QString in;
        QString out;
    } cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"\"abc\"", "abc"},
        {"\"abc", "ab"},
        {"\"", ""},
        {"\"\"", ""},
        {"a\"b\"", "a\"b\""},
        {" \"abc\"", " \"abc\""},
        // The last character goes whole, even outside the basic plane.
        {QStringLiteral("\"x\U0001F600"), "x"},
        {QStringLiteral("\"\U0001F600"), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kelvane::stripLeadingQuote(c.in), c.out) << c.in.toStdString();
}

class ResolveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_root.isValid());
        const QDir root(m_root.path());
        ASSERT_TRUE(root.mkpath("work/sub"));
        for (const char* name : {"work/page.html", "work/my page.html", "work/localhost:8000"}) {
            QFile file(root.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    QString work() const { return m_root.path() + "/work"; }
    QString root() const { return m_root.path(); }

    QTemporaryDir m_root;
};

TEST_F(ResolveTest, ResolvesRelativePathsOnly) {
    const struct {
        QString text;
        QString expected; // "@" stands for the working folder
    } cases[] = {
        {"", ""},
        {"https://example.com/a b", "https://example.com/a b"},
        {"about:blank", "about:blank"},
        {"file:///etc/hosts", "file:///etc/hosts"},
        {"view-source:http://x/", "view-source:http://x/"},
        // An address even when a file of that name happens to exist.
        {"localhost:8000", "localhost:8000"},
        {"192.168.1.1:8080", "192.168.1.1:8080"},
        {"/abs/missing.html", "/abs/missing.html"},
        {"page.html", "@/page.html"},
        {"my page.html", "@/my page.html"},
        {"sub", "@/sub"},
        {"sub/../page.html", "@/page.html"},
        {"./missing.html", "@/missing.html"},
        {"../up.html", "#/up.html"},
        {"example.com", "example.com"},
        {"missing.html", "missing.html"},
    };
    for (const auto& c : cases) {
        QString expected = c.expected;
        expected.replace("@", work()).replace("#", root());
        EXPECT_EQ(kelvane::resolveAgainst(c.text, work()), expected) << c.text.toStdString();
    }
}

TEST_F(ResolveTest, WithoutAnAbsoluteFolderNothingIsResolved) {
    EXPECT_EQ(kelvane::resolveAgainst("page.html", ""), "page.html");
    EXPECT_EQ(kelvane::resolveAgainst("./page.html", "relative/dir"), "./page.html");
}

} // namespace
