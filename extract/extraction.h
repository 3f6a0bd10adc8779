#pragma once
// The program's one job: every QQ number in a text, one per line ending in CR LF, in
// the order they occur, duplicates kept. The input is read block by block, so memory
// stays bounded whatever the input's size.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/files.h"
#include "regex/number_pattern.h"
#include "regex/regex_object.h"

namespace morvane {

struct ExtractionOptions {
    std::size_t blockSize = std::size_t{1} << 20;
    // Told after each block how many input bytes have been read, of how many (0 when
    // the size is unknown). Returning false cancels the job.
    std::function<bool(std::uint64_t done, std::uint64_t total)> progress;
};

struct ExtractionResult {
    // SearchFailed: the search object could not search (no engine, a limit hit),
    // so the numbers are unknown; an empty list would look like a real one.
    enum class Outcome { Done, ReadFailed, WriteFailed, SearchFailed, Cancelled };
    Outcome outcome = Outcome::Done;
    std::string reason;  // the system's words when reading or writing failed

    bool done() const { return outcome == Outcome::Done; }
};

// Reads the input's text and writes the numbers in it to the output, committing the
// output only when everything went well. The text is the input's bytes up to the
// first zero byte; an input that starts with a UTF-16 byte-order mark (FF FE or
// FE FF) is decoded first and ends at its first U+0000.
// The search is made with `regex`, which is set up for the number pattern here.
ExtractionResult ExtractNumbers(RegexObject& regex, ByteSource& input, ByteSink& output,
                                const ExtractionOptions& options = {});

}  // namespace morvane
