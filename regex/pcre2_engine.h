#pragma once
// The PCRE2 engine: 8-bit code units on the bytes of the text, JIT-compiled
// when the library offers it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "regex/regex_engine.h"

namespace morvane {

class Pcre2Engine final : public RegexEngine {
public:
    // The number pattern is searched by a dedicated scanner far faster than
    // any general engine; Off keeps PCRE2 for it too, so the two can be
    // compared against each other.
    enum class NumberScanner { On, Off };

    // The empty pointer when PCRE2 cannot allocate its contexts.
    static std::shared_ptr<RegexEngine> Make(NumberScanner scanner = NumberScanner::On);

    explicit Pcre2Engine(NumberScanner scanner);
    ~Pcre2Engine() override;
    Pcre2Engine(const Pcre2Engine&) = delete;
    Pcre2Engine& operator=(const Pcre2Engine&) = delete;

    void SetPattern(std::string_view pattern) override;
    void SetMultiline(bool on) override;
    void SetGlobal(bool on) override;
    void SetIgnoreCase(bool on) override;
    std::shared_ptr<const MatchCollection> Execute(std::string_view subject) override;
    std::string Replace(std::string_view subject, std::string_view replacement) override;

private:
    struct Compiled;  // PCRE2's objects, kept out of this header

    bool Ready() const;
    bool Compile();  // false when PCRE2 rejects the pattern
    template <typename Offset>
    std::shared_ptr<const MatchCollection> SearchAll(std::string_view subject);

    NumberScanner scanner_;
    std::string pattern_;
    bool multiline_ = false;
    bool global_ = false;
    bool ignoreCase_ = false;
    bool stale_ = true;  // the pattern or an option changed since the last compile
    std::unique_ptr<Compiled> compiled_;
};

}  // namespace morvane
