#pragma once
// One regular-expression search behind a small set of operations: set a pattern
// and options, search a text, then count and read the matches and sub-matches.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace morvane {

class RegexEngine;      // the pattern, the options and the compiled search; shared by clones
class MatchCollection;  // the result of one search; never changes afterwards

// Makes a fresh engine; an empty pointer means the engine could not be made.
using RegexEngineFactory = std::function<std::shared_ptr<RegexEngine>()>;

class RegexObject {
public:
    static RegexObject Create();
    static RegexObject Create(const RegexEngineFactory& makeEngine);

    RegexObject(RegexObject&& other) noexcept;
    RegexObject& operator=(RegexObject&& other) noexcept;
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;
    ~RegexObject();  // ends the object unless Destroy already did

    void Destroy();
    RegexObject Clone() const;
    void SetPattern(const std::string& pattern);
    std::string GetPattern() const;
    void SetMultiline(bool on);
    void SetGlobal(bool on);
    void SetIgnoreCase(bool on);
    void Execute(std::string_view subject);
    std::int32_t MatchCount() const;
    std::string MatchText(std::int32_t match) const;
    std::int32_t SubMatchCount(std::int32_t match) const;
    std::string SubMatchText(std::int32_t match, std::int32_t subMatch) const;
    std::shared_ptr<const MatchCollection> GetMatches() const;
    std::string Replace(std::string_view subject, std::string_view replacement) const;

private:
    RegexObject(std::shared_ptr<RegexEngine> engine, std::shared_ptr<const MatchCollection> lastMatches,
                std::string patternText);

    std::shared_ptr<RegexEngine> engine_;                  // Engine
    std::shared_ptr<const MatchCollection> lastMatches_;  // LastMatches
    std::string patternText_;                              // PatternText
    bool destroyed_ = false;
};

// Matches of one search, kept as positions into the collection's own copy of the
// subject, so even millions of matches cost little memory.
class MatchCollection {
public:
    virtual ~MatchCollection() = default;
    virtual std::int32_t Count() const = 0;
    // Views into the collection; valid as long as the collection lives.
    // Out-of-range indexes give the empty view and a count of 0.
    virtual std::string_view Text(std::int32_t match) const = 0;
    virtual std::int32_t SubMatchCount(std::int32_t match) const = 0;
    virtual std::string_view SubMatchText(std::int32_t match, std::int32_t subMatch) const = 0;
};

}  // namespace morvane
