#include "quicksearch/searchaddress.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(SearchAddress, QueryIsTrimmedAndEncodedForAnAddress) {
    const std::pair<QString, QByteArray> cases[] = {
        {" a b ", "a+b"},         {"a  b", "a++b"}, {"red & blue", "red+%26+blue"},
        {"c++", "c%2B%2B"},       {"ü", "%C3%BC"},  {"50% #1?x=y/z", "50%25+%231%3Fx%3Dy%2Fz"},
        {"A-z_0.9~", "A-z_0.9~"}, {"   ", ""},
    };
    for (const auto& [typed, sent] : cases)
        EXPECT_EQ(encodeSearchQuery(typed), sent) << qPrintable(typed);
}

TEST(SearchAddress, MethodZeroSearchesTheWebAnyOtherTheGroups) {
    const QString web = QStringLiteral("/search?hl=en&lr=&ie=UTF-8&oe=UTF-8&q=a+%26");
    const QString groups =
        QStringLiteral("/groups?hl=en&lr=&ie=UTF-8&oe=UTF-8&tab=nf&q=a+%26&sa=N&tab=fg");
    EXPECT_TRUE(searchAddress(0, QStringLiteral("a &")).endsWith(web));
    for (int index : {1, 7, -1})
        EXPECT_TRUE(searchAddress(index, QStringLiteral("a &")).endsWith(groups)) << index;
}

} // namespace
