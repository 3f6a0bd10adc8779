#include "regex/pcre2_engine.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cctype>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "regex/group_match_collection.h"
#include "regex/number_match_collection.h"
#include "regex/number_pattern.h"
#include "regex/number_scanner.h"

namespace morvane {

struct Pcre2Engine::Compiled {
    pcre2_compile_context* compileContext = nullptr;
    pcre2_match_context* matchContext = nullptr;
    pcre2_jit_stack* jitStack = nullptr;
    pcre2_code* code = nullptr;  // empty while the pattern is rejected
    pcre2_match_data* matchData = nullptr;

    void DropCode() {
        pcre2_match_data_free(matchData);
        pcre2_code_free(code);
        matchData = nullptr;
        code = nullptr;
    }
    ~Compiled() {
        DropCode();
        pcre2_jit_stack_free(jitStack);
        pcre2_match_context_free(matchContext);
        pcre2_compile_context_free(compileContext);
    }
};

namespace {

constexpr std::size_t kMaxMatches = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

// PCRE2 refuses a null subject even when it is empty.
PCRE2_SPTR Bytes(std::string_view text) {
    return reinterpret_cast<PCRE2_SPTR>(text.data() ? text.data() : "");
}

// Keeps a finished collection's spare capacity from outliving the search.
template <typename Offset>
void Trim(std::vector<Offset>& offsets) {
    if (offsets.capacity() - offsets.size() > offsets.size() / 4) offsets.shrink_to_fit();
}

// The replacement is written as in ECMAScript ($$, $&, $1 to $99); PCRE2
// wants ${n} and takes a stray $ as an error, so everything else that starts
// with $ is passed on as a literal dollar sign.
std::string ToPcre2Replacement(std::string_view replacement, std::uint32_t groupCount) {
    std::string out;
    out.reserve(replacement.size() + 8);
    auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        if (c != '$' || i + 1 == replacement.size()) {
            out += c == '$' ? "$$" : std::string(1, c);
            continue;
        }
        const char next = replacement[i + 1];
        if (next == '$') {
            out += "$$";
            ++i;
        } else if (next == '&') {
            out += "${0}";
            ++i;
        } else if (isDigit(next)) {
            const std::uint32_t one = static_cast<std::uint32_t>(next - '0');
            const bool hasSecond = i + 2 < replacement.size() && isDigit(replacement[i + 2]);
            const std::uint32_t two = hasSecond ? one * 10 + static_cast<std::uint32_t>(replacement[i + 2] - '0') : 0;
            if (hasSecond && two >= 1 && two <= groupCount) {
                out += "${" + std::to_string(two) + "}";
                i += 2;
            } else if (one >= 1 && one <= groupCount) {
                out += "${" + std::to_string(one) + "}";
                ++i;
            } else {
                out += "$$";
            }
        } else {
            out += "$$";
        }
    }
    return out;
}

}  // namespace

std::shared_ptr<RegexEngine> Pcre2Engine::Make(NumberScanner scanner) {
    auto engine = std::make_shared<Pcre2Engine>(scanner);
    if (!engine->Ready()) return nullptr;
    return engine;
}

Pcre2Engine::Pcre2Engine(NumberScanner scanner) : scanner_(scanner), compiled_(std::make_unique<Compiled>()) {
    compiled_->compileContext = pcre2_compile_context_create(nullptr);
    compiled_->matchContext = pcre2_match_context_create(nullptr);
    if (compiled_->compileContext) {
        // Windows text ends its lines with CR LF; ^ and $ should see those
        // line ends, and lone CR or LF, alike.
        pcre2_set_newline(compiled_->compileContext, PCRE2_NEWLINE_ANYCRLF);
    }
    // A larger JIT stack than the default 32 KiB lets patterns with nested
    // repetition run on long texts instead of failing.
    compiled_->jitStack = pcre2_jit_stack_create(32 * 1024, 4 * 1024 * 1024, nullptr);
    if (compiled_->matchContext && compiled_->jitStack) {
        pcre2_jit_stack_assign(compiled_->matchContext, nullptr, compiled_->jitStack);
    }
}

Pcre2Engine::~Pcre2Engine() = default;

bool Pcre2Engine::Ready() const { return compiled_->compileContext && compiled_->matchContext; }

void Pcre2Engine::SetPattern(std::string_view pattern) {
    pattern_.assign(pattern);
    stale_ = true;
}

void Pcre2Engine::SetMultiline(bool on) {
    if (multiline_ != on) stale_ = true;
    multiline_ = on;
}

void Pcre2Engine::SetGlobal(bool on) { global_ = on; }

void Pcre2Engine::SetIgnoreCase(bool on) {
    if (ignoreCase_ != on) stale_ = true;
    ignoreCase_ = on;
}

bool Pcre2Engine::Compile() {
    if (!stale_) return compiled_->code != nullptr;
    stale_ = false;
    compiled_->DropCode();
    // Closest to the ECMAScript family: \u and \x as there, a reference to a
    // group that took no part matches the empty text, and $ without
    // Multiline matches only at the very end.
    std::uint32_t options = PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY;
    if (multiline_) options |= PCRE2_MULTILINE;
    if (ignoreCase_) options |= PCRE2_CASELESS;
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    compiled_->code = pcre2_compile(Bytes(pattern_), pattern_.size(), options, &error, &errorOffset,
                                    compiled_->compileContext);
    if (!compiled_->code) return false;
    pcre2_jit_compile(compiled_->code, PCRE2_JIT_COMPLETE);  // without JIT the interpreter does the work
    compiled_->matchData = pcre2_match_data_create_from_pattern(compiled_->code, nullptr);
    if (!compiled_->matchData) {
        compiled_->DropCode();
        return false;
    }
    return true;
}

std::shared_ptr<const MatchCollection> Pcre2Engine::Execute(std::string_view subject) {
    const bool wideOffsets = subject.size() >= std::numeric_limits<std::uint32_t>::max();
    if (scanner_ == NumberScanner::On && pattern_ == kNumberPattern) {
        auto scan = [&]<typename Offset>(Offset) -> std::shared_ptr<const MatchCollection> {
            std::vector<Offset> startsAndLengths;
            ScanNumbers(subject, !global_, startsAndLengths);
            if (startsAndLengths.size() / 2 > kMaxMatches) return nullptr;
            Trim(startsAndLengths);
            return std::make_shared<NumberMatchCollection<Offset>>(std::string(subject), std::move(startsAndLengths));
        };
        return wideOffsets ? scan(std::uint64_t{}) : scan(std::uint32_t{});
    }
    if (!Compile()) return nullptr;
    return wideOffsets ? SearchAll<std::uint64_t>(subject) : SearchAll<std::uint32_t>(subject);
}

template <typename Offset>
std::shared_ptr<const MatchCollection> Pcre2Engine::SearchAll(std::string_view subject) {
    std::uint32_t groupCount = 0;
    pcre2_pattern_info(compiled_->code, PCRE2_INFO_CAPTURECOUNT, &groupCount);
    const std::size_t stride = 2 * (static_cast<std::size_t>(groupCount) + 1);
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(compiled_->matchData);

    std::vector<Offset> bounds;
    PCRE2_SIZE start = 0;
    std::uint32_t retry = 0;  // set after an empty match: look for a longer one at the same place first
    for (;;) {
        const int rc = pcre2_match(compiled_->code, Bytes(subject), subject.size(), start, retry,
                                   compiled_->matchData, compiled_->matchContext);
        if (rc == PCRE2_ERROR_NOMATCH) {
            if (retry == 0 || start >= subject.size()) break;
            ++start;
            retry = 0;
            continue;
        }
        // A limit hit (match, depth, heap, JIT stack) leaves the matches
        // unknown; a partial list would look like a complete one.
        if (rc < 0) return nullptr;
        for (std::size_t i = 0; i < stride; ++i) {
            bounds.push_back(ovector[i] == PCRE2_UNSET ? GroupMatchCollection<Offset>::kUnset
                                                       : static_cast<Offset>(ovector[i]));
        }
        if (bounds.size() / stride > kMaxMatches) return nullptr;
        if (!global_) break;
        if (ovector[1] == ovector[0]) {
            if (ovector[1] >= subject.size()) break;
            retry = PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED;
        } else {
            retry = 0;
        }
        start = ovector[1];
    }
    Trim(bounds);
    return std::make_shared<GroupMatchCollection<Offset>>(std::string(subject), static_cast<std::int32_t>(groupCount),
                                                          std::move(bounds));
}

std::string Pcre2Engine::Replace(std::string_view subject, std::string_view replacement) {
    if (!Compile()) return {};
    std::uint32_t groupCount = 0;
    pcre2_pattern_info(compiled_->code, PCRE2_INFO_CAPTURECOUNT, &groupCount);
    const std::string pcre2Replacement = ToPcre2Replacement(replacement, groupCount);
    std::uint32_t options = PCRE2_SUBSTITUTE_OVERFLOW_LENGTH | PCRE2_SUBSTITUTE_UNSET_EMPTY;
    if (global_) options |= PCRE2_SUBSTITUTE_GLOBAL;

    std::string out(subject.size() + pcre2Replacement.size() + 64, '\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        PCRE2_SIZE length = out.size();
        const int rc = pcre2_substitute(compiled_->code, Bytes(subject), subject.size(), 0, options,
                                        compiled_->matchData, compiled_->matchContext, Bytes(pcre2Replacement),
                                        pcre2Replacement.size(), reinterpret_cast<PCRE2_UCHAR*>(out.data()), &length);
        if (rc >= 0) {
            out.resize(length);
            return out;
        }
        if (rc != PCRE2_ERROR_NOMEMORY) return {};
        out.resize(length);  // the length needed, as PCRE2_SUBSTITUTE_OVERFLOW_LENGTH reports it
    }
    return {};
}

}  // namespace morvane
