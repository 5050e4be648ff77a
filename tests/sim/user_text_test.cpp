// Names and lines quoted back to the user: their own letters as they typed
// them, and everything that would not show or is no text escaped.
#include <gtest/gtest.h>

#include <string>

#include "sim/user_text.h"

namespace {

TEST(UserText, LettersOfAnyLanguageStandAsTyped)
{
    EXPECT_EQ(quotedText("p\xC3\xA4ss"), "\"p\xC3\xA4ss\"");                         // päss
    EXPECT_EQ(shownText("Z\xC3\xBCrich \xE2\x80\x93 45 L"), "Z\xC3\xBCrich \xE2\x80\x93 45 L"); // en dash
    EXPECT_EQ(shownText("\xE6\xB2\xB9 \xF0\x9F\x9B\xA9"), "\xE6\xB2\xB9 \xF0\x9F\x9B\xA9"); // CJK, 4-byte sign
    EXPECT_EQ(shownText("say \"\\\""), "say \\\"\\\\\\\"");
}

// A text as the display holds it is glyph codes, not UTF-8: every byte
// beyond ASCII is shown as its code.
TEST(UserText, DisplayTextsShowEveryCodeBeyondAscii)
{
    EXPECT_EQ(escapedText("\xC3\xA4\xB0\"\\"), "\\xC3\\xA4\\xB0\\\"\\\\");
}

TEST(UserText, BytesThatAreNoUtf8AreEscapedOneByOne)
{
    const std::pair<std::string, std::string> cases[] = {
        {"caf\xE9", "caf\\xE9"},                          // Latin-1
        {"\x80x", "\\x80x"},                              // a continuation byte alone
        {"\xC3", "\\xC3"},                                // cut short at the end
        {"\xC3x", "\\xC3x"},                              // cut short by a letter
        {"\xC0\xAF", "\\xC0\\xAF"},                       // overlong "/"
        {"\xE0\x80\xAF", "\\xE0\\x80\\xAF"},              // overlong, three bytes
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},              // a surrogate
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},     // beyond U+10FFFF
        {"\xF5\x80", "\\xF5\\x80"},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(shownText(text), shown);
}

TEST(UserText, ControlsAndCharactersThatHideThemselvesAreEscaped)
{
    EXPECT_EQ(shownText("a\x01\tb\x7F"), "a\\x01\\x09b\\x7F");
    EXPECT_EQ(shownText("\xC2\x85"), "\\xC2\\x85");                     // C1 next line
    EXPECT_EQ(shownText("\xEF\xBB\xBFpass"), "\\xEF\\xBB\\xBFpass");     // byte-order mark
    EXPECT_EQ(shownText("ab\xE2\x80\xAE" "cd"), "ab\\xE2\\x80\\xAEcd"); // right-to-left override
    EXPECT_EQ(shownText("a\xE2\x80\x8B" "b"), "a\\xE2\\x80\\x8Bb");     // zero-width space
    EXPECT_EQ(shownText("\xE2\x80\xA8"), "\\xE2\\x80\\xA8");             // line separator
}

TEST(UserText, ATextShowsAsWrittenWhenNoCharacterWouldBeEscaped)
{
    EXPECT_TRUE(showsAsWritten("Réglage du facteur K — \"7000\" ≈ 1 L \\ 日本語"));
    EXPECT_TRUE(showsAsWritten(""));
    for (const char* hidden : {"a\tb", "a\x7F", "\xC2\x85", "\xEF\xBB\xBFtext", "ab\xE2\x80\xAE", "caf\xE9",
                               "\xC3", "\xED\xA0\x80"})
        EXPECT_FALSE(showsAsWritten(hidden)) << shownText(hidden);
}

// The cut counts characters: a letter of two bytes is one, and is never cut
// through; a byte that is no text is one too.
TEST(UserText, LongTextsAreCutAfterEightyCharacters)
{
    std::string letters;
    for (int i = 0; i < 100; ++i)
        letters += "\xC3\xA4";
    std::string first80;
    for (int i = 0; i < 80; ++i)
        first80 += "\xC3\xA4";
    EXPECT_EQ(shownText(letters), first80 + "...");
    EXPECT_EQ(shownText(first80), first80);
    EXPECT_EQ(shownText(std::string(79, 'a') + "\xC3\xA4" + "b"), std::string(79, 'a') + "\xC3\xA4...");
    EXPECT_EQ(shownText(std::string(79, 'a') + "\xE9\xE9"), std::string(79, 'a') + "\\xE9...");
}

} // namespace
