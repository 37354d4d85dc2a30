#include "base/text_start.h"

#include <gtest/gtest.h>

#include <string>

using base::FirstLines;
using base::LeadingLines;

TEST(LeadingLines, ATextWithinTheLimitIsWhole) {
    EXPECT_EQ(LeadingLines(L"", 0), L"");
    EXPECT_EQ(LeadingLines(L"one\r\ntwo", 8), L"one\r\ntwo");
    EXPECT_EQ(LeadingLines(L"one\r\n", 5), L"one\r\n");
}

TEST(LeadingLines, ALongerTextEndsWithItsLastWholeLine) {
    EXPECT_EQ(LeadingLines(L"one\r\ntwo\r\nthree", 12), L"one\r\ntwo");
    // The line break just after the limit still closes the line before it.
    EXPECT_EQ(LeadingLines(L"one\r\ntwo\r\nthree", 8), L"one\r\ntwo");
    EXPECT_EQ(LeadingLines(L"one\r\ntwo\r\nthree", 9), L"one\r\ntwo");
    EXPECT_EQ(LeadingLines(L"one\r\ntwo\r\nthree", 7), L"one");
    // LF and CR alone end lines too.
    EXPECT_EQ(LeadingLines(L"one\ntwo\nthree", 9), L"one\ntwo");
    EXPECT_EQ(LeadingLines(L"one\rtwo\rthree", 9), L"one\rtwo");
}

TEST(LeadingLines, AFirstLineLongerThanTheLimitIsCut) {
    EXPECT_EQ(LeadingLines(L"abcdefgh\r\nij", 5), L"abcde");
    EXPECT_EQ(LeadingLines(L"\r\nabcdefgh", 5), L"\r\nabc");
    // A surrogate pair is never split.
    const std::wstring pair = L"ab\xD83D\xDE00z";
    EXPECT_EQ(LeadingLines(pair, 3), L"ab");
    EXPECT_EQ(LeadingLines(pair, 4), L"ab\xD83D\xDE00");
}

TEST(LeadingLines, AMegabyteIsCutAtOnce) {
    std::wstring text;
    while (text.size() < 1000000) text += L"Строка <tt>\r\n";
    const std::wstring_view start = LeadingLines(text, 16384);
    EXPECT_LE(start.size(), 16384u);
    EXPECT_GT(start.size(), 16384u - 20);
    EXPECT_TRUE(text.starts_with(start));
    EXPECT_EQ(start.substr(start.size() - 4), L"<tt>");
}

TEST(FirstLines, KeepsTheGivenNumberOfLines) {
    EXPECT_EQ(FirstLines(L"one\r\ntwo\nthree\rfour", 0), L"");
    EXPECT_EQ(FirstLines(L"one\r\ntwo\nthree\rfour", 1), L"one");
    EXPECT_EQ(FirstLines(L"one\r\ntwo\nthree\rfour", 2), L"one\r\ntwo");
    EXPECT_EQ(FirstLines(L"one\r\ntwo\nthree\rfour", 3), L"one\r\ntwo\nthree");
    EXPECT_EQ(FirstLines(L"one\r\ntwo\nthree\rfour", 4), L"one\r\ntwo\nthree\rfour");
    EXPECT_EQ(FirstLines(L"one\r\ntwo\nthree\rfour", 9), L"one\r\ntwo\nthree\rfour");
    // Empty lines count as lines; a final line break ends the last line.
    EXPECT_EQ(FirstLines(L"\r\n\r\nx", 2), L"\r\n");
    EXPECT_EQ(FirstLines(L"one\r\n", 1), L"one");
    EXPECT_EQ(FirstLines(L"one\r\n", 2), L"one\r\n");
}
