#pragma once
// Finds the numbers of "([1-9][0-9]{4,})" without a regular-expression engine:
// in each run of ASCII digits, the part from its first digit other than 0 to
// the end of the run, when that part has at least five digits. Reading the
// text 64 bytes at a time keeps it far ahead of a general matcher, above all
// on text where digits are rare.

#include <string_view>
#include <vector>

namespace morvane {

// Appends the start and the length of each number, in order; with firstOnly,
// stops after the first one.
template <typename Offset>
void ScanNumbers(std::string_view subject, bool firstOnly, std::vector<Offset>& startsAndLengths);

}  // namespace morvane
