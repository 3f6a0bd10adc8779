#pragma once
// The pattern of a QQ number. The extraction asks for it by this constant and the
// PCRE2 engine recognises it by the same one to hand it to its dedicated scanner,
// so the two can never drift apart.

namespace morvane {

// Within a run of ASCII digits, the part from its first digit other than 0, when
// at least five digits remain.
inline constexpr const char* kNumberPattern = "([1-9][0-9]{4,})";

}  // namespace morvane
