// The number scanner against PCRE2 and against the plainest reading of the
// rule, on random texts: digit runs of every length (long ones crossing the
// scanner's 64-byte blocks), zeros, line ends, letters, and the bytes of
// UTF-8 and GBK characters.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "regex/pcre2_engine.h"
#include "regex/regex_object.h"

namespace morvane {
namespace {

struct Found {
    std::vector<std::string> matches;
    std::vector<std::string> firstSubMatches;
    std::vector<std::int32_t> subMatchCounts;
    bool operator==(const Found&) const = default;
};

// Each maximal digit run, from its first non-zero digit, when five or more remain.
std::vector<std::string> PlainNumbers(const std::string& subject) {
    std::vector<std::string> numbers;
    std::size_t i = 0;
    while (i < subject.size()) {
        if (subject[i] < '0' || subject[i] > '9') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < subject.size() && subject[end] >= '0' && subject[end] <= '9') ++end;
        while (i < end && subject[i] == '0') ++i;
        if (end - i >= 5) numbers.push_back(subject.substr(i, end - i));
        i = end;
    }
    return numbers;
}

RegexObject NumberSearch(Pcre2Engine::NumberScanner scanner) {
    RegexObject regex = RegexObject::Create([scanner] { return Pcre2Engine::Make(scanner); });
    regex.SetPattern("([1-9][0-9]{4,})");
    regex.SetMultiline(true);
    return regex;
}

Found Search(RegexObject& regex, bool global, const std::string& subject) {
    regex.SetGlobal(global);
    regex.Execute(subject);
    Found found;
    for (std::int32_t i = 0; i < regex.MatchCount(); ++i) {
        found.matches.push_back(regex.MatchText(i));
        found.firstSubMatches.push_back(regex.SubMatchText(i, 0));
        found.subMatchCounts.push_back(regex.SubMatchCount(i));
    }
    return found;
}

std::string RandomSubject(std::mt19937& random) {
    static const std::vector<std::string> others = {
        "a", "Z", " ", "\r", "\n", "\r\n", "\t",
        "\xE4\xB8\xAD",  // 中 in UTF-8
        "\xEF\xBC\x95",  // full-width 5 in UTF-8
        "\xD6\xD0",      // 中 in GBK
        "\xA3\xB5",      // full-width 5 in GBK
        "\xB0\x39",      // a GBK pair whose second byte is an ASCII digit's: still splits runs bytewise
    };
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    std::string subject;
    const std::size_t pieces = pick(40);
    for (std::size_t p = 0; p < pieces; ++p) {
        if (pick(2) == 0) {
            subject += others[pick(others.size())];
            continue;
        }
        // Mostly short runs near the five-digit edge, sometimes long ones,
        // often with leading zeros.
        const std::size_t length = pick(8) == 0 ? pick(200) + 1 : pick(9) + 1;
        const std::size_t zeros = pick(3) == 0 ? pick(length + 1) : 0;
        for (std::size_t i = 0; i < length; ++i) subject += i < zeros ? '0' : static_cast<char>('0' + pick(10));
    }
    return subject;
}

TEST(RegexNumberScanner, AgreesWithPcre2AndThePlainRuleOnRandomTexts) {
    std::mt19937 random(20240531);
    RegexObject scanner = NumberSearch(Pcre2Engine::NumberScanner::On);
    RegexObject pcre2 = NumberSearch(Pcre2Engine::NumberScanner::Off);
    for (int round = 0; round < 4000; ++round) {
        const std::string subject = RandomSubject(random);
        const std::vector<std::string> expected = PlainNumbers(subject);
        for (bool global : {true, false}) {
            const Found fast = Search(scanner, global, subject);
            ASSERT_EQ(fast, Search(pcre2, global, subject)) << "subject: " << testing::PrintToString(subject) << " global: " << global;
            std::vector<std::string> wanted = expected;
            if (!global && wanted.size() > 1) wanted.resize(1);
            ASSERT_EQ(fast.matches, wanted) << "subject: " << testing::PrintToString(subject);
        }
    }
}

// Runs that touch the ends of the text and the edges of the scanner's blocks.
TEST(RegexNumberScanner, RunsAtBlockEdgesAndTextEnds) {
    RegexObject scanner = NumberSearch(Pcre2Engine::NumberScanner::On);
    for (std::size_t before = 0; before < 130; ++before) {
        for (std::size_t length : {4u, 5u, 6u, 63u, 64u, 65u, 129u}) {
            for (bool leadingZero : {false, true}) {
                std::string run(length, '5');
                if (leadingZero) run[0] = '0';
                for (const char* after : {"", "x", "x123456", "1"}) {
                    const std::string subject = std::string(before, 'x') + run + after;
                    ASSERT_EQ(Search(scanner, true, subject).matches, PlainNumbers(subject))
                        << "before " << before << " length " << length << " zero " << leadingZero;
                }
            }
        }
    }
}

}  // namespace
}  // namespace morvane
