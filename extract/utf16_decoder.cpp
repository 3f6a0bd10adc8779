#include "extract/utf16_decoder.h"

namespace morvane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::size_t Utf16Decoder::Put(char32_t codePoint, char* out) const {
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    if (codePoint < 0x80) {
        bytes[0] = static_cast<unsigned char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        bytes[0] = static_cast<unsigned char>(0xC0 | (codePoint >> 6));
        bytes[1] = static_cast<unsigned char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        bytes[0] = static_cast<unsigned char>(0xE0 | (codePoint >> 12));
        bytes[1] = static_cast<unsigned char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes[2] = static_cast<unsigned char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    bytes[0] = static_cast<unsigned char>(0xF0 | (codePoint >> 18));
    bytes[1] = static_cast<unsigned char>(0x80 | ((codePoint >> 12) & 0x3F));
    bytes[2] = static_cast<unsigned char>(0x80 | ((codePoint >> 6) & 0x3F));
    bytes[3] = static_cast<unsigned char>(0x80 | (codePoint & 0x3F));
    return 4;
}

std::size_t Utf16Decoder::Decode(const char* data, std::size_t size, char* out) {
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    const unsigned char* end = in + size;
    std::size_t written = 0;
    while (!ended_ && in != end) {
        unsigned char first;
        if (haveOddByte_) {
            first = oddByte_;
            haveOddByte_ = false;
        } else {
            first = *in++;
            if (in == end) {
                haveOddByte_ = true;
                oddByte_ = first;
                break;
            }
        }
        const unsigned char second = *in++;
        const auto unit = static_cast<char16_t>(order_ == ByteOrder::LittleEndian ? first | (second << 8)
                                                                                  : (first << 8) | second);
        if (highSurrogate_ != 0) {
            if (IsLowSurrogate(unit)) {
                const char32_t codePoint = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
                highSurrogate_ = 0;
                written += Put(codePoint, out + written);
                continue;
            }
            highSurrogate_ = 0;
            written += Put(kReplacement, out + written);
        }
        if (unit == 0) {
            ended_ = true;
        } else if (IsHighSurrogate(unit)) {
            highSurrogate_ = unit;
        } else if (IsLowSurrogate(unit)) {
            written += Put(kReplacement, out + written);
        } else {
            written += Put(unit, out + written);
        }
    }
    return written;
}

std::size_t Utf16Decoder::Finish(char* out) {
    // A trailing odd byte is half a code unit: no character, so nothing to show for it.
    haveOddByte_ = false;
    if (highSurrogate_ == 0) return 0;
    highSurrogate_ = 0;
    return Put(kReplacement, out);
}

}  // namespace morvane
