#include "regex/group_match_collection.h"

#include <utility>

namespace morvane {

template <typename Offset>
GroupMatchCollection<Offset>::GroupMatchCollection(std::string subject, std::int32_t groupCount,
                                                   std::vector<Offset> bounds)
    : subject_(std::move(subject)),
      groupCount_(groupCount),
      stride_(2 * (static_cast<std::size_t>(groupCount) + 1)),
      bounds_(std::move(bounds)) {}

template <typename Offset>
std::int32_t GroupMatchCollection<Offset>::Count() const {
    return static_cast<std::int32_t>(bounds_.size() / stride_);
}

template <typename Offset>
std::string_view GroupMatchCollection<Offset>::Text(std::int32_t match) const {
    if (match < 0 || match >= Count()) return {};
    return Slice(static_cast<std::size_t>(match) * stride_);
}

template <typename Offset>
std::int32_t GroupMatchCollection<Offset>::SubMatchCount(std::int32_t match) const {
    if (match < 0 || match >= Count()) return 0;
    return groupCount_;
}

template <typename Offset>
std::string_view GroupMatchCollection<Offset>::SubMatchText(std::int32_t match, std::int32_t subMatch) const {
    if (match < 0 || match >= Count() || subMatch < 0 || subMatch >= groupCount_) return {};
    return Slice(static_cast<std::size_t>(match) * stride_ + 2 * (static_cast<std::size_t>(subMatch) + 1));
}

template <typename Offset>
std::string_view GroupMatchCollection<Offset>::Slice(std::size_t pairIndex) const {
    const Offset start = bounds_[pairIndex];
    const Offset end = bounds_[pairIndex + 1];
    if (start == kUnset || end == kUnset || end < start) return {};
    return std::string_view(subject_).substr(start, end - start);
}

template class GroupMatchCollection<std::uint32_t>;
template class GroupMatchCollection<std::uint64_t>;

}  // namespace morvane
