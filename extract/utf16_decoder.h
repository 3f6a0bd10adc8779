#pragma once
// Turns UTF-16 into UTF-8 piece by piece, so a file saved as "Unicode" by a Windows
// editor can be searched like any other text. The pieces may split a code unit or a
// surrogate pair anywhere; the decoder carries the unfinished part to the next piece.

#include <cstddef>

namespace morvane {

class Utf16Decoder {
public:
    enum class ByteOrder { LittleEndian, BigEndian };

    explicit Utf16Decoder(ByteOrder order) : order_(order) {}

    // The most bytes that Decode of `size` input bytes, followed by Finish, can write:
    // 3 per code unit, and room for a unit and a lone surrogate left from the piece before.
    static constexpr std::size_t MaxOutput(std::size_t size) { return size / 2 * 3 + 9; }

    // Decodes `size` bytes into `out` and returns the number of bytes written. Stops at
    // U+0000, which ends the text: Ended() tells. Lone surrogates become U+FFFD.
    std::size_t Decode(const char* data, std::size_t size, char* out);
    // After the last piece: a surrogate left waiting for its partner, as U+FFFD.
    std::size_t Finish(char* out);

    bool Ended() const { return ended_; }

private:
    std::size_t Put(char32_t codePoint, char* out) const;

    ByteOrder order_;
    bool ended_ = false;
    bool haveOddByte_ = false;
    unsigned char oddByte_ = 0;
    char16_t highSurrogate_ = 0;  // 0 when none is waiting for its partner
};

}  // namespace morvane
