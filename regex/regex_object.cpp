#include "regex/regex_object.h"

#include <utility>

#include "regex/pcre2_engine.h"
#include "regex/regex_engine.h"

namespace morvane {
namespace {

// A text ends at its first zero byte.
std::string_view AsText(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

RegexObject RegexObject::Create() {
    return Create([] { return Pcre2Engine::Make(); });
}

RegexObject RegexObject::Create(const RegexEngineFactory& makeEngine) {
    return RegexObject(makeEngine ? makeEngine() : nullptr, nullptr, std::string());
}

RegexObject::RegexObject(std::shared_ptr<RegexEngine> engine, std::shared_ptr<const MatchCollection> lastMatches,
                         std::string patternText)
    : engine_(std::move(engine)), lastMatches_(std::move(lastMatches)), patternText_(std::move(patternText)) {}

RegexObject::RegexObject(RegexObject&& other) noexcept
    : engine_(std::move(other.engine_)),
      lastMatches_(std::move(other.lastMatches_)),
      patternText_(std::move(other.patternText_)),
      destroyed_(std::exchange(other.destroyed_, true)) {}

RegexObject& RegexObject::operator=(RegexObject&& other) noexcept {
    if (this != &other) {
        Destroy();
        engine_ = std::move(other.engine_);
        lastMatches_ = std::move(other.lastMatches_);
        patternText_ = std::move(other.patternText_);
        destroyed_ = std::exchange(other.destroyed_, true);
    }
    return *this;
}

RegexObject::~RegexObject() { Destroy(); }

void RegexObject::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    engine_.reset();
    lastMatches_.reset();
    std::string().swap(patternText_);
}

RegexObject RegexObject::Clone() const { return RegexObject(engine_, lastMatches_, patternText_); }

void RegexObject::SetPattern(const std::string& pattern) {
    if (destroyed_) return;
    const std::string_view text = AsText(pattern);
    if (engine_) engine_->SetPattern(text);
    patternText_.assign(text);
}

std::string RegexObject::GetPattern() const { return patternText_; }

void RegexObject::SetMultiline(bool on) {
    if (engine_) engine_->SetMultiline(on);
}

void RegexObject::SetGlobal(bool on) {
    if (engine_) engine_->SetGlobal(on);
}

void RegexObject::SetIgnoreCase(bool on) {
    if (engine_) engine_->SetIgnoreCase(on);
}

void RegexObject::Execute(std::string_view subject) {
    // Let go of the old collection first, so two large ones never live at once.
    lastMatches_.reset();
    if (engine_) lastMatches_ = engine_->Execute(AsText(subject));
}

std::int32_t RegexObject::MatchCount() const { return lastMatches_ ? lastMatches_->Count() : 0; }

std::string RegexObject::MatchText(std::int32_t match) const {
    return lastMatches_ ? std::string(lastMatches_->Text(match)) : std::string();
}

std::int32_t RegexObject::SubMatchCount(std::int32_t match) const {
    return lastMatches_ ? lastMatches_->SubMatchCount(match) : 0;
}

std::string RegexObject::SubMatchText(std::int32_t match, std::int32_t subMatch) const {
    return lastMatches_ ? std::string(lastMatches_->SubMatchText(match, subMatch)) : std::string();
}

std::shared_ptr<const MatchCollection> RegexObject::GetMatches() const { return lastMatches_; }

std::string RegexObject::Replace(std::string_view subject, std::string_view replacement) const {
    return engine_ ? engine_->Replace(AsText(subject), AsText(replacement)) : std::string();
}

}  // namespace morvane
