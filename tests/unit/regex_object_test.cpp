// RegexObject over its default engine: the number pattern's matching rules,
// general matching, sharing between clones, failures and replacement.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "regex/pcre2_engine.h"
#include "regex/regex_object.h"

namespace morvane {
namespace {

const std::string kNumbers = "([1-9][0-9]{4,})";

RegexObject NumberSearch(Pcre2Engine::NumberScanner scanner = Pcre2Engine::NumberScanner::On) {
    RegexObject regex = RegexObject::Create([scanner] { return Pcre2Engine::Make(scanner); });
    regex.SetPattern(kNumbers);
    regex.SetMultiline(true);
    regex.SetGlobal(true);
    return regex;
}

std::vector<std::string> Matches(const RegexObject& regex) {
    std::vector<std::string> found;
    for (std::int32_t i = 0; i < regex.MatchCount(); ++i) found.push_back(regex.MatchText(i));
    return found;
}

struct NumberCase {
    const char* name;
    std::string subject;
    std::vector<std::string> expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class RegexNumberRules : public testing::TestWithParam<NumberCase> {};

// Both the number scanner and PCRE2 itself must keep every rule.
TEST_P(RegexNumberRules, FindsExactlyTheNumbers) {
    for (auto scanner : {Pcre2Engine::NumberScanner::On, Pcre2Engine::NumberScanner::Off}) {
        RegexObject regex = NumberSearch(scanner);
        regex.Execute(GetParam().subject);
        EXPECT_EQ(Matches(regex), GetParam().expected) << (scanner == Pcre2Engine::NumberScanner::On ? "scanner" : "pcre2");
        for (std::int32_t i = 0; i < regex.MatchCount(); ++i) {
            ASSERT_EQ(regex.SubMatchCount(i), 1);
            EXPECT_EQ(regex.SubMatchText(i, 0), regex.MatchText(i));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegexNumberRules,
    testing::Values(NumberCase{"FiveDigits", "12345", {"12345"}}, NumberCase{"FourDigits", "1234", {}},
                    NumberCase{"LeadingZeros", "0012345", {"12345"}},
                    NumberCase{"OnlyZeros", std::string(40, '0'), {}},
                    NumberCase{"ZerosCountAfterFirstDigit", "100000", {"100000"}},
                    NumberCase{"TwentyDigits", "98765432109876543210", {"98765432109876543210"}},
                    NumberCase{"LettersAround", "abc12345def67890", {"12345", "67890"}},
                    NumberCase{"NoReachAcrossSpace", "1234 56789", {"56789"}},
                    NumberCase{"ZerosLeaveTooFew", "00001234", {}},
                    NumberCase{"TwoLinesCrLf", "12345\r\n67890\r\n", {"12345", "67890"}},
                    NumberCase{"FullWidthDigits", "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93\xEF\xBC\x94\xEF\xBC\x95", {}},
                    NumberCase{"GbkAround", "\xC4\xE3\xBA\xC3" "10001\xA3\xAC" "20002", {"10001", "20002"}},
                    NumberCase{"Empty", "", {}},
                    NumberCase{"EndsAtZeroByte", std::string("12345\0" "67890", 11), {"12345"}}),
    [](const testing::TestParamInfo<NumberCase>& info) { return info.param.name; });

TEST(RegexObject, MultilineDoesNotChangeTheNumbers) {
    RegexObject regex = NumberSearch();
    regex.SetMultiline(false);
    regex.Execute("12345\r\n67890");
    EXPECT_EQ(Matches(regex), (std::vector<std::string>{"12345", "67890"}));
}

TEST(RegexObject, GlobalOffGivesTheFirstMatchOnly) {
    for (auto scanner : {Pcre2Engine::NumberScanner::On, Pcre2Engine::NumberScanner::Off}) {
        RegexObject regex = NumberSearch(scanner);
        regex.SetGlobal(false);
        regex.Execute("1 22222 33333");
        EXPECT_EQ(Matches(regex), std::vector<std::string>{"22222"});
        regex.Execute("none");
        EXPECT_EQ(regex.MatchCount(), 0);
    }
}

TEST(RegexObject, AVeryLongRunIsOneMatch) {
    const std::string run = "7" + std::string(299'999, '0');
    for (auto scanner : {Pcre2Engine::NumberScanner::On, Pcre2Engine::NumberScanner::Off}) {
        RegexObject regex = NumberSearch(scanner);
        regex.Execute("x" + run + "y");
        ASSERT_EQ(regex.MatchCount(), 1);
        EXPECT_EQ(regex.SubMatchText(0, 0), run);
    }
}

struct GeneralCase {
    const char* name;
    std::string pattern;
    bool multiline;
    bool ignoreCase;
    std::string subject;
    std::vector<std::string> expected;
};

void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.name; }

class RegexGeneralMatching : public testing::TestWithParam<GeneralCase> {};

TEST_P(RegexGeneralMatching, FollowsTheMatchingRules) {
    const GeneralCase& c = GetParam();
    RegexObject regex = RegexObject::Create();
    regex.SetPattern(c.pattern);
    regex.SetMultiline(c.multiline);
    regex.SetIgnoreCase(c.ignoreCase);
    regex.SetGlobal(true);
    regex.Execute(c.subject);
    EXPECT_EQ(Matches(regex), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegexGeneralMatching,
    testing::Values(GeneralCase{"AnchorsWholeSubject", "^\\w+$", false, false, "ab\r\ncd", {}},
                    GeneralCase{"AnchorsPerLine", "^\\w+$", true, false, "ab\r\ncd\nef", {"ab", "cd", "ef"}},
                    GeneralCase{"DollarOnlyAtVeryEnd", "b$", false, false, "ab\n", {}},
                    GeneralCase{"CaseSensitive", "ab", false, false, "ab AB Ab", {"ab"}},
                    GeneralCase{"IgnoreCase", "ab", false, true, "ab AB Ab", {"ab", "AB", "Ab"}},
                    GeneralCase{"Greedy", "a+", false, false, "caaab", {"aaa"}},
                    GeneralCase{"NonOverlapping", "aa", false, false, "aaaaa", {"aa", "aa"}},
                    GeneralCase{"EmptyMatchesAdvance", "x*", false, false, "axxb", {"", "xx", "", ""}},
                    GeneralCase{"DigitClassIsAscii", "[0-9]+", false, false, "\xEF\xBC\x91" "7", {"7"}},
                    GeneralCase{"EcmaUnicodeEscape", "\\u0041", false, false, "BAB", {"A"}}),
    [](const testing::TestParamInfo<GeneralCase>& info) { return info.param.name; });

TEST(RegexObject, SubMatchesFollowTheGroupsAndUnsetReadsEmpty) {
    RegexObject regex = RegexObject::Create();
    regex.SetPattern("(a)|(b)(c)?");
    regex.SetGlobal(true);
    regex.Execute("ab");
    ASSERT_EQ(regex.MatchCount(), 2);
    ASSERT_EQ(regex.SubMatchCount(1), 3);
    EXPECT_EQ(regex.SubMatchText(0, 0), "a");
    EXPECT_EQ(regex.SubMatchText(0, 1), "");
    EXPECT_EQ(regex.SubMatchText(1, 0), "");
    EXPECT_EQ(regex.SubMatchText(1, 1), "b");
    EXPECT_EQ(regex.SubMatchText(1, 2), "");
}

TEST(RegexObject, NewObjectReadsEmpty) {
    RegexObject regex = RegexObject::Create();
    EXPECT_EQ(regex.GetPattern(), "");
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.MatchText(0), "");
    EXPECT_EQ(regex.SubMatchCount(0), 0);
    EXPECT_EQ(regex.SubMatchText(0, 0), "");
    EXPECT_EQ(regex.GetMatches(), nullptr);
    // The empty pattern matches the empty text once.
    regex.Execute("");
    EXPECT_EQ(regex.MatchCount(), 1);
}

TEST(RegexObject, IndexesOutOfRangeReadEmpty) {
    RegexObject regex = NumberSearch();
    regex.Execute("12345");
    for (std::int32_t bad : {-1, 1, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(regex.MatchText(bad), "");
        EXPECT_EQ(regex.SubMatchCount(bad), 0);
        EXPECT_EQ(regex.SubMatchText(bad, 0), "");
        EXPECT_EQ(regex.SubMatchText(0, bad), "");
    }
}

TEST(RegexObject, RejectedPatternFailsTheNextSearchButKeepsItsText) {
    RegexObject regex = NumberSearch();
    regex.Execute("12345 67890");
    ASSERT_EQ(regex.MatchCount(), 2);
    regex.SetPattern("([1-9]");
    EXPECT_EQ(regex.GetPattern(), "([1-9]");
    regex.Execute("12345 67890");
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.GetMatches(), nullptr);
    EXPECT_EQ(regex.Replace("12345", "x"), "");
}

TEST(RegexObject, SearchStoppedByTheMatchLimitFailsAfterAGoodOne) {
    RegexObject regex = RegexObject::Create();
    regex.SetPattern("(a|aa)+$");
    regex.SetGlobal(true);
    regex.Execute("aaaa");
    ASSERT_EQ(regex.MatchCount(), 1);
    regex.Execute(std::string(60, 'a') + "b");
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.GetMatches(), nullptr);
}

TEST(RegexObject, EngineNotMadeStillRunsEveryOperation) {
    RegexObject regex = RegexObject::Create([] { return std::shared_ptr<RegexEngine>(); });
    regex.SetPattern(kNumbers);
    regex.SetMultiline(true);
    regex.SetGlobal(true);
    regex.SetIgnoreCase(true);
    regex.Execute("12345");
    EXPECT_EQ(regex.GetPattern(), kNumbers);
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.MatchText(0), "");
    EXPECT_EQ(regex.SubMatchCount(0), 0);
    EXPECT_EQ(regex.SubMatchText(0, 0), "");
    EXPECT_EQ(regex.GetMatches(), nullptr);
    EXPECT_EQ(regex.Replace("12345", "x"), "");
    RegexObject clone = regex.Clone();
    EXPECT_EQ(clone.GetPattern(), kNumbers);
    regex.Destroy();
}

TEST(RegexObject, CollectionOutlivesTheObjectAndItsSubject) {
    std::shared_ptr<const MatchCollection> matches;
    {
        std::string subject = "id 123456 and 654321";
        RegexObject regex = NumberSearch();
        regex.Execute(subject);
        matches = regex.GetMatches();
        subject.assign(subject.size(), 'x');
    }
    ASSERT_NE(matches, nullptr);
    ASSERT_EQ(matches->Count(), 2);
    EXPECT_EQ(matches->Text(1), "654321");
    EXPECT_EQ(matches->SubMatchText(0, 0), "123456");
}

TEST(RegexObject, ClonesShareTheEngineButKeepTheirOwnResults) {
    RegexObject original = NumberSearch();
    original.Execute("11111 22222");
    RegexObject clone = original.Clone();
    EXPECT_EQ(clone.GetPattern(), kNumbers);
    EXPECT_EQ(clone.GetMatches(), original.GetMatches());

    clone.SetPattern("[a-z]+");  // writes the one shared engine
    clone.Execute("abc 33333");
    EXPECT_EQ(Matches(clone), std::vector<std::string>{"abc"});
    EXPECT_EQ(Matches(original), (std::vector<std::string>{"11111", "22222"}));
    EXPECT_EQ(original.GetPattern(), kNumbers);  // each keeps its own copy of the text

    original.Execute("xyz");
    EXPECT_EQ(Matches(original), std::vector<std::string>{"xyz"});
    EXPECT_EQ(Matches(clone), std::vector<std::string>{"abc"});

    original.Destroy();
    clone.Execute("def");
    EXPECT_EQ(Matches(clone), std::vector<std::string>{"def"});
}

TEST(RegexObject, DestroyEndsTheObjectOnceAndLeavesItEmpty) {
    RegexObject regex = NumberSearch();
    regex.Execute("12345");
    auto matches = regex.GetMatches();
    regex.Destroy();
    regex.Destroy();
    EXPECT_EQ(regex.GetPattern(), "");
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.GetMatches(), nullptr);
    regex.SetPattern("a");
    EXPECT_EQ(regex.GetPattern(), "");
    EXPECT_EQ(matches->Text(0), "12345");

    RegexObject moved = NumberSearch();
    RegexObject target = std::move(moved);
    target.Execute("54321");
    EXPECT_EQ(target.MatchCount(), 1);
    EXPECT_EQ(moved.MatchCount(), 0);
}

struct ReplaceCase {
    const char* name;
    std::string pattern;
    bool global;
    std::string subject;
    std::string replacement;
    std::string expected;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }

class RegexReplace : public testing::TestWithParam<ReplaceCase> {};

TEST_P(RegexReplace, ReplacesFirstOrEveryMatch) {
    const ReplaceCase& c = GetParam();
    RegexObject regex = RegexObject::Create();
    regex.SetPattern(c.pattern);
    regex.SetGlobal(c.global);
    regex.Execute("12345");
    const auto before = regex.GetMatches();
    EXPECT_EQ(regex.Replace(c.subject, c.replacement), c.expected);
    EXPECT_EQ(regex.GetMatches(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegexReplace,
    testing::Values(ReplaceCase{"FirstOnly", kNumbers, false, "a 12345 b 67890", "#", "a # b 67890"},
                    ReplaceCase{"Every", kNumbers, true, "a 12345 b 67890", "#", "a # b #"},
                    ReplaceCase{"NoMatchKeepsSubject", kNumbers, true, "none", "#", "none"},
                    ReplaceCase{"GroupReference", "(\\w+)@(\\w+)", true, "me@host", "$2 at $1", "host at me"},
                    ReplaceCase{"WholeMatchAndDollar", "\\d+", true, "a1b22", "[$&$$]", "a[1$]b[22$]"},
                    ReplaceCase{"StrayDollarsAreText", "x", true, "x", "US$ $9 $", "US$ $9 $"},
                    ReplaceCase{"UnsetGroupIsEmpty", "(a)|(b)", true, "ab", "<$2>", "<><b>"},
                    ReplaceCase{"EmptyReplacement", "\\s", true, "a b c", "", "abc"},
                    ReplaceCase{"GrowsPastTheFirstGuess", "a", true, std::string(100, 'a'), "bbbbbbbbbb",
                                std::string(1000, 'b')}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

}  // namespace
}  // namespace morvane
