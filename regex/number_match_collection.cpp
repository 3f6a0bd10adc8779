#include "regex/number_match_collection.h"

#include <utility>

namespace morvane {

template <typename Offset>
NumberMatchCollection<Offset>::NumberMatchCollection(std::string subject, std::vector<Offset> startsAndLengths)
    : subject_(std::move(subject)), startsAndLengths_(std::move(startsAndLengths)) {}

template <typename Offset>
std::int32_t NumberMatchCollection<Offset>::Count() const {
    return static_cast<std::int32_t>(startsAndLengths_.size() / 2);
}

template <typename Offset>
std::string_view NumberMatchCollection<Offset>::Text(std::int32_t match) const {
    if (match < 0 || match >= Count()) return {};
    const std::size_t at = 2 * static_cast<std::size_t>(match);
    return std::string_view(subject_).substr(startsAndLengths_[at], startsAndLengths_[at + 1]);
}

template <typename Offset>
std::int32_t NumberMatchCollection<Offset>::SubMatchCount(std::int32_t match) const {
    return match < 0 || match >= Count() ? 0 : 1;
}

template <typename Offset>
std::string_view NumberMatchCollection<Offset>::SubMatchText(std::int32_t match, std::int32_t subMatch) const {
    return subMatch == 0 ? Text(match) : std::string_view();
}

template class NumberMatchCollection<std::uint32_t>;
template class NumberMatchCollection<std::uint64_t>;

}  // namespace morvane
