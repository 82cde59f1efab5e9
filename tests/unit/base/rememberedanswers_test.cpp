#include "base/rememberedanswers.h"
#include "support/isolation.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(RememberedAnswers, OnlyWellFormedLinesAreReadAndTheFileIsWrittenWholeAndSorted) {
    test::IsolatedHome home;
    RememberedAnswers answers;
    EXPECT_TRUE(answers.path().startsWith(home.dataHome()));
    ASSERT_TRUE(test::writeFile(answers.path(),
                                "https://b.test location block\r\n"
                                "https://a.test notifications block\n"
                                "https://a.test notifications allow\n" // the later counts
                                "mailto: open-outside allow\n"
                                "https://c.test camera maybe\n"
                                "https://c.test Camera allow\n"
                                "https://c.test camera allow extra\n"
                                "https://c.test\tcamera allow\n"
                                "https://c.test/\x01 camera allow\n"
                                "\xff\xfe camera allow\n"
                                "just-one-field\n\n"));
    answers.load();
    const QList<RememberedAnswer> expected = {{"https://a.test", "notifications", true},
                                              {"https://b.test", "location", false},
                                              {"mailto:", "open-outside", true}};
    EXPECT_EQ(answers.entries(), expected);
    EXPECT_EQ(answers.answer("https://b.test", "location"), std::optional(false));
    EXPECT_EQ(answers.answer("https://b.test", "camera"), std::nullopt);
    // What the file could not hold back is never taken.
    for (const auto& [site, kind] : {std::pair{"https://x .test", "camera"},
                                     {"", "camera"},
                                     {"https://x.test\n", "camera"},
                                     {"https://x.test", "camera allow"},
                                     {"https://x.test", ""}})
        EXPECT_FALSE(answers.remember(site, kind, true)) << site << kind;
    answers.forget("https://b.test", "location");
    ASSERT_TRUE(answers.save());
    EXPECT_EQ(QString(test::readFile(answers.path())),
              "https://a.test notifications allow\nmailto: open-outside allow\n");
    // A file that cannot be written is refused, not half written.
    RememberedAnswers unwritable(home.root() + "/a-file/under/a-file.txt");
    ASSERT_TRUE(test::writeFile(home.root() + "/a-file", "x"));
    EXPECT_FALSE(unwritable.save());
}

} // namespace
