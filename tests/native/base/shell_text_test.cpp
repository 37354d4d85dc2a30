#include "base/shell_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace base;

TEST(ShellText, FileTextUpToMaxPathLessOne) {
    EXPECT_TRUE(ShellCanTake(L"C:\\Program Files\\app.exe", L""));
    EXPECT_TRUE(ShellCanTake(L"", L""));
    EXPECT_TRUE(ShellCanTake(std::wstring(259, L'a'), L""));
    EXPECT_FALSE(ShellCanTake(std::wstring(260, L'a'), L""));
    EXPECT_FALSE(ShellCanTake(L"http://example.com/" + std::wstring(1000, L'a'), L""));
    EXPECT_FALSE(ShellCanTake(std::wstring(32000, L'a'), L"-x"));
}

TEST(ShellText, CommandLineOfQuotedFileBlankAndParametersFits) {
    // "C:\a.exe" + blank + parameters + NUL: 8 + 2 + 1 + n + 1 characters.
    const std::wstring file = L"C:\\a.exe";
    EXPECT_TRUE(ShellCanTake(file, std::wstring(32767 - 12, L'p')));
    EXPECT_FALSE(ShellCanTake(file, std::wstring(32767 - 11, L'p')));
    EXPECT_FALSE(ShellCanTake(file, std::wstring(40000, L'p')));
    EXPECT_TRUE(ShellCanTake(std::wstring(259, L'a'), std::wstring(32767 - 259 - 4, L'p')));
    EXPECT_FALSE(ShellCanTake(std::wstring(259, L'a'), std::wstring(32767 - 259 - 3, L'p')));
}
