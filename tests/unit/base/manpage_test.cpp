#include "base/buildconfig.h"
#include "base/commandline.h"
#include "base/manpage.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(ManPage, HelpAndManualPageShowEveryOptionWhole) {
    const QString help = usageText();
    const QString page = manPageText();
    for (const QString& line : help.split('\n'))
        EXPECT_LE(line.size(), 80) << qPrintable(line);
    for (const CommandLineOption& option : commandLineOptions()) {
        const QString name = option.longName;
        EXPECT_TRUE(synopsisText().contains(name)) << option.longName;
        EXPECT_TRUE(help.simplified().contains(QString(option.help).simplified())) << option.help;
        EXPECT_TRUE(page.contains(".TP\n") && page.contains("\\fB" + roffEscaped(name) + "\\fR"));
        // The sentence after its first word, as the page writes it.
        EXPECT_TRUE(page.contains(roffEscaped(QString(option.help).section(' ', 1))))
            << option.help;
    }
    EXPECT_TRUE(
        page.startsWith(".TH KELVANE 1 \"" KELVANE_RELEASE_DATE "\" \"Kelvane " KELVANE_VERSION));
    EXPECT_EQ(versionText(), "Kelvane " KELVANE_VERSION);
    // Every line that begins with a control character is one of the page's own requests.
    const QRegularExpression request(R"(^(\.(TH|SH|TP|PP|B)( .*)?|)$)");
    for (const QString& line : page.split('\n')) {
        if (line.startsWith('.') || line.startsWith('\'') || line.isEmpty()) {
            EXPECT_TRUE(request.match(line).hasMatch()) << qPrintable(line);
        }
    }
    // clang-format off
    const QString cases[][2] = {{"a-b", "a\\-b"}, {"C:\\x", "C:\\ex"}, {"plain", "plain"},
                                {".hidden\n'quote\nx.y", "\\&.hidden\n\\&'quote\nx.y"}};
    // clang-format on
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(roffEscaped(text), escaped);
}

} // namespace
