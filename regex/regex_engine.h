#pragma once
// The engine behind a RegexObject: it holds the pattern and the three options
// and does the searching. RegexObject only forwards to it, so another engine
// (a platform's own regular-expression service) can take PCRE2's place.

#include <memory>
#include <string>
#include <string_view>

namespace morvane {

class MatchCollection;

class RegexEngine {
public:
    virtual ~RegexEngine() = default;

    virtual void SetPattern(std::string_view pattern) = 0;
    virtual void SetMultiline(bool on) = 0;
    virtual void SetGlobal(bool on) = 0;
    virtual void SetIgnoreCase(bool on) = 0;

    // An empty pointer means the search failed (rejected pattern, a limit hit).
    virtual std::shared_ptr<const MatchCollection> Execute(std::string_view subject) = 0;
    // The empty string when the replacement could not be done.
    virtual std::string Replace(std::string_view subject, std::string_view replacement) = 0;
};

}  // namespace morvane
