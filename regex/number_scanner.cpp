#include "regex/number_scanner.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace morvane {
namespace {

constexpr std::size_t kBlock = 64;
constexpr std::size_t kMinDigits = 5;

// Bit i is set when byte i of the 64 is an ASCII digit.
#ifdef __SSE2__
inline std::uint64_t DigitMask(const unsigned char* p) {
    // Shifting '0'..'9' to the bottom of the signed range turns the range
    // test into one signed comparison.
    const __m128i shift = _mm_set1_epi8(static_cast<char>(0x80 - '0'));
    const __m128i bound = _mm_set1_epi8(static_cast<char>(-128 + 10));
    auto lane = [&](int i) -> std::uint64_t {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const __m128i digits = _mm_cmplt_epi8(_mm_add_epi8(bytes, shift), bound);
        return static_cast<std::uint32_t>(_mm_movemask_epi8(digits)) & 0xFFFFu;
    };
    return lane(0) | lane(1) << 16 | lane(2) << 32 | lane(3) << 48;
}
#else
inline std::uint64_t DigitMask(const unsigned char* p) {
    std::uint64_t mask = 0;
    for (std::size_t i = 0; i < kBlock; ++i) {
        mask |= static_cast<std::uint64_t>(static_cast<unsigned char>(p[i] - '0') < 10) << i;
    }
    return mask;
}
#endif

template <typename Offset>
class Scan {
public:
    Scan(std::string_view subject, bool firstOnly, std::vector<Offset>& out)
        : data_(reinterpret_cast<const unsigned char*>(subject.data())),
          size_(subject.size()),
          firstOnly_(firstOnly),
          out_(out) {}

    void Run() {
        std::size_t pos = 0;
        for (; pos + kBlock <= size_; pos += kBlock) {
            const std::uint64_t digits = DigitMask(data_ + pos);
            if (digits == 0 && !open_) {
                previousDigits_ = 0;
                continue;
            }
            if (Block(digits, pos)) return;
        }
        if (pos < size_ || open_) {
            // The zero padding reads as non-digits, so a run open at the end
            // of the text closes right there.
            unsigned char tail[kBlock] = {};
            if (pos < size_) std::memcpy(tail, data_ + pos, size_ - pos);
            if (Block(DigitMask(tail), pos)) return;
        }
    }

private:
    // True once nothing more is wanted.
    bool Block(std::uint64_t digits, std::size_t base) {
        const std::uint64_t previous = std::exchange(previousDigits_, digits);
        // Bit i: byte i ends five digits in a row, the previous block's last ones counted.
        std::uint64_t fifth = digits;
        for (unsigned k = 1; k < kMinDigits; ++k) fifth &= (digits << k) | (previous >> (kBlock - k));
        // Only runs of five digits or more can hold a number. Dropping the shorter
        // ones here, all at once, spares the per-run work on dates, times and the like.
        std::uint64_t long_ = fifth;
        for (unsigned k = 1; k < kMinDigits; ++k) long_ |= fifth >> k;

        // A long run that began in the previous block while it still looked short.
        if (!open_ && (previous >> 63) && (long_ & 1)) {
            runStart_ = trailingStart_;
            open_ = true;
        }
        // A block of digits only is a long run already, open from here on.
        if ((digits >> 63) && ~digits != 0) {
            trailingStart_ = base + kBlock - static_cast<std::size_t>(std::countl_one(digits));
        }

        const std::uint64_t before = (long_ << 1) | (open_ ? 1u : 0u);  // bit i: byte i-1 is in a long run
        std::uint64_t starts = long_ & ~before;
        std::uint64_t ends = ~long_ & before;
        for (;;) {
            if (open_) {
                if (ends == 0) return false;
                const std::size_t end = base + static_cast<std::size_t>(std::countr_zero(ends));
                ends &= ends - 1;
                open_ = false;
                if (Close(end)) return true;
            } else {
                if (starts == 0) return false;
                runStart_ = base + static_cast<std::size_t>(std::countr_zero(starts));
                starts &= starts - 1;
                open_ = true;
            }
        }
    }

    bool Close(std::size_t end) {
        std::size_t first = runStart_;
        while (first < end && data_[first] == '0') ++first;
        if (end - first < kMinDigits) return false;
        out_.push_back(static_cast<Offset>(first));
        out_.push_back(static_cast<Offset>(end - first));
        return firstOnly_;
    }

    const unsigned char* data_;
    std::size_t size_;
    bool firstOnly_;
    std::vector<Offset>& out_;
    bool open_ = false;  // a long digit run reaches the end of the bytes seen so far
    std::size_t runStart_ = 0;
    std::uint64_t previousDigits_ = 0;
    std::size_t trailingStart_ = 0;  // where the digit run at the end of the last block began
};

}  // namespace

template <typename Offset>
void ScanNumbers(std::string_view subject, bool firstOnly, std::vector<Offset>& startsAndLengths) {
    Scan<Offset>(subject, firstOnly, startsAndLengths).Run();
}

template void ScanNumbers<std::uint32_t>(std::string_view, bool, std::vector<std::uint32_t>&);
template void ScanNumbers<std::uint64_t>(std::string_view, bool, std::vector<std::uint64_t>&);

}  // namespace morvane
