#include "extract/extraction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace morvane {
namespace {

using namespace std::string_literals;

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string bytes, std::size_t failAfter = std::string::npos)
        : bytes_(std::move(bytes)), failAfter_(failAfter) {}

    ReadResult Read(char* buffer, std::size_t size) override {
        ReadResult result;
        result.count = std::min(size, bytes_.size() - position_);
        if (position_ + result.count > failAfter_) {
            result.count = 0;
            result.status = FileStatus::Failure("Input/output error");
            return result;
        }
        std::memcpy(buffer, bytes_.data() + position_, result.count);
        position_ += result.count;
        return result;
    }
    std::optional<std::uint64_t> Size() const override { return bytes_.size(); }
    std::size_t position() const { return position_; }

private:
    std::string bytes_;
    std::size_t failAfter_;
    std::size_t position_ = 0;
};

class MemorySink : public ByteSink {
public:
    FileStatus Write(std::string_view bytes) override {
        if (failWrites) return FileStatus::Failure("No space left on device");
        written.append(bytes);
        ++writes;
        return FileStatus::Success();
    }
    FileStatus Commit() override {
        committed = true;
        return FileStatus::Success();
    }

    bool failWrites = false;
    std::string written;
    int writes = 0;
    bool committed = false;
};

std::string Extract(const std::string& input, std::size_t blockSize) {
    RegexObject regex = RegexObject::Create();
    MemorySource source(input);
    MemorySink sink;
    ExtractionOptions options;
    options.blockSize = blockSize;
    const ExtractionResult result = ExtractNumbers(regex, source, sink, options);
    EXPECT_TRUE(result.done()) << result.reason;
    EXPECT_TRUE(sink.committed);
    return sink.written;
}

// The numbers of a whole text, in one search, as the list is meant to be.
std::string SearchWhole(const std::string& text) {
    RegexObject regex = RegexObject::Create();
    regex.SetPattern(kNumberPattern);
    regex.SetGlobal(true);
    regex.Execute(text.substr(0, text.find('\0')));
    std::string list;
    for (std::int32_t i = 0; i < regex.MatchCount(); ++i) list += regex.SubMatchText(i, 0) + "\r\n";
    return list;
}

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

struct Case {
    const char* name;
    std::string input;
    std::string expected;
};

// Block sizes from one byte up: every case crosses block edges at every position.
const std::size_t kBlockSizes[] = {1, 2, 3, 4, 7, 64, std::size_t{1} << 20};

TEST(Extraction, FindsEveryNumberWhateverTheBlockSize) {
    const std::string longRun = "9" + std::string(50, '8');
    const std::vector<Case> cases = {
        {"five digits", "12345", "12345\r\n"},
        {"four digits", "1234", ""},
        {"leading zeros", "0012345", "12345\r\n"},
        {"zeros leave four", "00001234", ""},
        {"twenty digits", "12345678901234567890", "12345678901234567890\r\n"},
        {"split by a letter", "12345a67890", "12345\r\n67890\r\n"},
        {"repeated", "QQ 12345, again 12345.", "12345\r\n12345\r\n"},
        {"full-width digits", "１２３４５６", ""},
        {"GBK around", "\xC7\xEB\xBC\xD3 12345 \xBA\xC3\xD3\xD1", "12345\r\n"},
        {"CR LF lines", "12345\r\n67890\r\n", "12345\r\n67890\r\n"},
        {"empty", "", ""},
        {"zero byte ends the text", "12345\0" "67890"s, "12345\r\n"},
        {"zero byte inside a run", "123\0" "45678"s, ""},
        {"zero byte first", "\0" "12345"s, ""},
        {"UTF-8 mark is just bytes", "\xEF\xBB\xBF" "12345", "12345\r\n"},
        {"UTF-16 without a mark", "1\0" "2\0" "3\0" "4\0" "5\0"s, ""},
        {"long run inside text", "x" + longRun + "y12345", longRun + "\r\n12345\r\n"},
        {"long run at the end", "x" + longRun, longRun + "\r\n"},
        {"long zeros, then a number", std::string(40, '0') + "123456", "123456\r\n"},
        {"long zeros, then too few", std::string(40, '0') + "1234 ", ""},
        {"long run, then a zero byte", longRun + "\0" "12345"s, longRun + "\r\n"},
        {"UTF-16 LE", Utf16(u"QQ：12345，好友 67890。", false), "12345\r\n67890\r\n"},
        {"UTF-16 BE", Utf16(u"QQ：12345，好友 67890。", true), "12345\r\n67890\r\n"},
        {"UTF-16 ends at U+0000", Utf16(u"12345"s + u'\0' + u"67890", false), "12345\r\n"},
        {"UTF-16 surrogate pair between", Utf16(u"12345\U0001F600" "67890", true), "12345\r\n67890\r\n"},
        {"UTF-16 lone surrogate splits", Utf16(u"123\xD800" "45678\xDC00" "99999", false), "45678\r\n99999\r\n"},
        {"UTF-16 odd last byte", Utf16(u"12345", false) + "7", "12345\r\n"},
        {"UTF-16 mark only", "\xFF\xFE", ""},
        {"UTF-16 long run", Utf16(u"a" + std::u16string(longRun.begin(), longRun.end()), false), longRun + "\r\n"},
    };
    for (const Case& c : cases) {
        for (std::size_t blockSize : kBlockSizes) {
            EXPECT_EQ(Extract(c.input, blockSize), c.expected) << c.name << ", block size " << blockSize;
        }
    }
}

TEST(Extraction, StreamedMatchesOneWholeSearchOnRandomText) {
    std::mt19937 random(20240607);
    // Mostly digits and zeros, so runs of every length meet block edges; no FF or FE,
    // which would make a leading mark.
    const std::string alphabet = "000000123456789123456789 a\n\r\xC7\xD1"s + '\0';
    for (int round = 0; round < 400; ++round) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, 300)(random), ' ');
        for (char& c : text) {
            // A zero byte is rare, so most texts run to their end.
            do c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
            while (c == '\0' && random() % 20 != 0);
        }
        const std::size_t blockSize = std::uniform_int_distribution<std::size_t>(1, 16)(random);
        ASSERT_EQ(Extract(text, blockSize), SearchWhole(text)) << "block size " << blockSize << ", text " << text;
    }
}

TEST(Extraction, StreamedUtf16MatchesOneWholeSearchOnRandomText) {
    std::mt19937 random(7);
    const std::u16string alphabet = u"0001234567890123456789x中\xD83D\xDE00\xDC00";
    for (int round = 0; round < 300; ++round) {
        std::u16string text(std::uniform_int_distribution<std::size_t>(0, 200)(random), u' ');
        for (char16_t& c : text) c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        if (!text.empty() && random() % 5 == 0) text[random() % text.size()] = u'\0';
        // Only where the digits are matters: every other unit stands for a separator.
        std::string digits;
        for (char16_t c : text) {
            if (c == u'\0') break;
            digits += c >= u'0' && c <= u'9' ? static_cast<char>(c) : ' ';
        }
        const bool bigEndian = random() % 2 == 0;
        const std::size_t blockSize = std::uniform_int_distribution<std::size_t>(1, 11)(random);
        ASSERT_EQ(Extract(Utf16(text, bigEndian), blockSize), SearchWhole(digits)) << "block size " << blockSize;
    }
}

TEST(Extraction, ReportsProgressPerBlockAndWritesInLargeChunks) {
    const std::string input = std::string(100, 'x') + "12345 " + std::string(93, 'y') + "67890";
    RegexObject regex = RegexObject::Create();
    MemorySource source(input);
    MemorySink sink;
    std::vector<std::uint64_t> done;
    ExtractionOptions options;
    options.blockSize = 64;
    options.progress = [&](std::uint64_t read, std::uint64_t total) {
        EXPECT_EQ(total, input.size());
        done.push_back(read);
        return true;
    };
    ASSERT_TRUE(ExtractNumbers(regex, source, sink, options).done());
    EXPECT_EQ(sink.written, "12345\r\n67890\r\n");
    EXPECT_EQ(sink.writes, 1);
    EXPECT_EQ(done, (std::vector<std::uint64_t>{66, 130, 194, 204}));
}

TEST(Extraction, CommitsNothingWhenCancelledOrAnythingFails) {
    const std::string input = "12345 " + std::string(200, 'x') + " 67890";
    struct Failure {
        const char* name;
        std::size_t failReadAfter;
        bool failWrites;
        int cancelAtBlock;
        bool noEngine;
        ExtractionResult::Outcome outcome;
        const char* reason;
    };
    const Failure failures[] = {
        {"cancel", std::string::npos, false, 2, false, ExtractionResult::Outcome::Cancelled, ""},
        {"read error", 100, false, -1, false, ExtractionResult::Outcome::ReadFailed, "Input/output error"},
        {"write error", std::string::npos, true, -1, false, ExtractionResult::Outcome::WriteFailed,
         "No space left on device"},
        // A search object that can't search must not pass for one that found nothing.
        {"no search engine", std::string::npos, false, -1, true, ExtractionResult::Outcome::SearchFailed, ""},
    };
    for (const Failure& f : failures) {
        RegexObject regex = f.noEngine ? RegexObject::Create([] { return std::shared_ptr<RegexEngine>(); })
                                       : RegexObject::Create();
        MemorySource source(input, f.failReadAfter);
        MemorySink sink;
        sink.failWrites = f.failWrites;
        int blocks = 0;
        ExtractionOptions options;
        options.blockSize = 32;
        options.progress = [&](std::uint64_t, std::uint64_t) { return ++blocks != f.cancelAtBlock; };
        const ExtractionResult result = ExtractNumbers(regex, source, sink, options);
        EXPECT_EQ(result.outcome, f.outcome) << f.name;
        EXPECT_EQ(result.reason, f.reason) << f.name;
        EXPECT_FALSE(sink.committed) << f.name;
        if (f.cancelAtBlock > 0) {
            EXPECT_EQ(source.position(), 66u) << "reading stops at the cancel";
        }
    }
}

}  // namespace
}  // namespace morvane
