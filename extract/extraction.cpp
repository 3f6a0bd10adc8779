#include "extract/extraction.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "extract/utf16_decoder.h"

namespace morvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kShortestNumber = 5;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class NumberExtractor {
public:
    NumberExtractor(RegexObject& regex, ByteSource& input, ByteSink& output, const ExtractionOptions& options)
        : regex_(regex),
          input_(input),
          output_(output),
          options_(options),
          blockSize_(std::max<std::size_t>(options.blockSize, 1)),
          // A held-back run never grows past this: a longer one is known to be a
          // number and goes straight to the output.
          carryLimit_(std::max(blockSize_, kShortestNumber)),
          flushSize_(std::max<std::size_t>(blockSize_, 64 * 1024)) {}

    ExtractionResult Run() {
        regex_.SetPattern(kNumberPattern);
        regex_.SetMultiline(true);
        regex_.SetGlobal(true);
        total_ = input_.Size().value_or(0);
        work_ = std::make_unique<char[]>(carryLimit_ + Utf16Decoder::MaxOutput(blockSize_));
        output_buffer_.reserve(flushSize_ + 2 * blockSize_);

        if (ExtractionResult result = ReadStart(); !result.done()) return result;
        while (!ended_) {
            if (ExtractionResult result = ReadBlock(); !result.done()) return result;
            if (ExtractionResult result = Flush(false); !result.done()) return result;
            if (options_.progress && !options_.progress(bytesRead_, total_)) {
                return {ExtractionResult::Outcome::Cancelled, {}};
            }
        }
        if (ExtractionResult result = Flush(true); !result.done()) return result;
        if (FileStatus status = output_.Commit(); !status) return {ExtractionResult::Outcome::WriteFailed, status.reason()};
        return {};
    }

private:
    static ExtractionResult ReadFailure(const ReadResult& read) {
        return {ExtractionResult::Outcome::ReadFailed, read.status.reason()};
    }

    // The first two bytes tell whether the input is UTF-16 with a byte-order mark.
    ExtractionResult ReadStart() {
        char* text = work_.get();
        const ReadResult read = input_.Read(text, 2);
        if (!read.status) return ReadFailure(read);
        bytesRead_ += read.count;
        const auto* mark = reinterpret_cast<const unsigned char*>(text);
        if (read.count == 2 && mark[0] == 0xFF && mark[1] == 0xFE) {
            decoder_.emplace(Utf16Decoder::ByteOrder::LittleEndian);
        } else if (read.count == 2 && mark[0] == 0xFE && mark[1] == 0xFF) {
            decoder_.emplace(Utf16Decoder::ByteOrder::BigEndian);
        } else {
            ended_ = read.count < 2;
            return Scan(EndAtZero(text, read.count));
        }
        return {};
    }

    ExtractionResult ReadBlock() {
        char* text = work_.get() + carry_;
        std::size_t size = 0;
        if (decoder_) {
            if (!raw_) raw_ = std::make_unique<char[]>(blockSize_);
            const ReadResult read = input_.Read(raw_.get(), blockSize_);
            if (!read.status) return ReadFailure(read);
            bytesRead_ += read.count;
            size = decoder_->Decode(raw_.get(), read.count, text);
            ended_ = read.count < blockSize_ || decoder_->Ended();
            if (ended_ && !decoder_->Ended()) size += decoder_->Finish(text + size);
        } else {
            const ReadResult read = input_.Read(text, blockSize_);
            if (!read.status) return ReadFailure(read);
            bytesRead_ += read.count;
            ended_ = read.count < blockSize_;
            size = EndAtZero(text, read.count);
        }
        return Scan(carry_ + size);
    }

    // The text stops at the first zero byte; nothing after it is read.
    std::size_t EndAtZero(const char* text, std::size_t size) {
        const void* zero = std::memchr(text, 0, size);
        if (!zero) return size;
        ended_ = true;
        return static_cast<std::size_t>(static_cast<const char*>(zero) - text);
    }

    // Searches the text now in the work buffer, all but a trailing run of digits that
    // the next block may continue: that run moves to the buffer's front, without its
    // leading zeros, which never belong to a number.
    ExtractionResult Scan(std::size_t size) {
        char* text = work_.get();
        std::size_t start = 0;
        if (streamingRun_) {
            while (start < size && IsDigit(text[start])) ++start;
            output_buffer_.append(text, start);
            if (start == size && !ended_) {
                carry_ = 0;
                return {};
            }
            output_buffer_.append(kLineEnd);
            streamingRun_ = false;
        }
        if (ended_) {
            carry_ = 0;
            return Search({text + start, size - start});
        }
        std::size_t runStart = size;
        while (runStart > start && IsDigit(text[runStart - 1])) --runStart;
        if (ExtractionResult result = Search({text + start, runStart - start}); !result.done()) return result;
        while (runStart < size && text[runStart] == '0') ++runStart;
        const std::size_t runLength = size - runStart;
        if (runLength > carryLimit_) {
            output_buffer_.append(text + runStart, runLength);
            streamingRun_ = true;
            carry_ = 0;
        } else {
            std::memmove(text, text + runStart, runLength);
            carry_ = runLength;
        }
        return {};
    }

    ExtractionResult Search(std::string_view text) {
        if (text.empty()) return {};
        regex_.Execute(text);
        const auto matches = regex_.GetMatches();
        if (!matches) return {ExtractionResult::Outcome::SearchFailed, {}};
        const std::int32_t count = matches->Count();
        for (std::int32_t i = 0; i < count; ++i) {
            output_buffer_.append(matches->SubMatchText(i, 0));
            output_buffer_.append(kLineEnd);
        }
        return {};
    }

    ExtractionResult Flush(bool all) {
        if (output_buffer_.empty() || (!all && output_buffer_.size() < flushSize_)) return {};
        const FileStatus status = output_.Write(output_buffer_);
        output_buffer_.clear();
        if (!status) return {ExtractionResult::Outcome::WriteFailed, status.reason()};
        return {};
    }

    RegexObject& regex_;
    ByteSource& input_;
    ByteSink& output_;
    const ExtractionOptions& options_;
    const std::size_t blockSize_;
    const std::size_t carryLimit_;
    const std::size_t flushSize_;

    std::unique_ptr<char[]> work_;  // the held-back run, then the block being searched
    std::unique_ptr<char[]> raw_;   // UTF-16 bytes before decoding
    std::optional<Utf16Decoder> decoder_;
    std::string output_buffer_;
    std::size_t carry_ = 0;
    bool streamingRun_ = false;  // a number too long to hold back is being written out
    bool ended_ = false;
    std::uint64_t bytesRead_ = 0;
    std::uint64_t total_ = 0;
};

}  // namespace

ExtractionResult ExtractNumbers(RegexObject& regex, ByteSource& input, ByteSink& output,
                                const ExtractionOptions& options) {
    return NumberExtractor(regex, input, output, options).Run();
}

}  // namespace morvane
