#pragma once
// A collection that remembers where every capturing group of every match
// lies, as offsets into its own copy of the subject.

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "regex/regex_object.h"

namespace morvane {

template <typename Offset>
class GroupMatchCollection final : public MatchCollection {
public:
    static constexpr Offset kUnset = std::numeric_limits<Offset>::max();  // the group took no part

    // bounds: per match, the start and end of the whole match followed by the
    // start and end of each of the groupCount groups.
    GroupMatchCollection(std::string subject, std::int32_t groupCount, std::vector<Offset> bounds);

    std::int32_t Count() const override;
    std::string_view Text(std::int32_t match) const override;
    std::int32_t SubMatchCount(std::int32_t match) const override;
    std::string_view SubMatchText(std::int32_t match, std::int32_t subMatch) const override;

private:
    std::string_view Slice(std::size_t pairIndex) const;

    std::string subject_;
    std::int32_t groupCount_;
    std::size_t stride_;  // offsets per match
    std::vector<Offset> bounds_;
};

extern template class GroupMatchCollection<std::uint32_t>;
extern template class GroupMatchCollection<std::uint64_t>;

}  // namespace morvane
