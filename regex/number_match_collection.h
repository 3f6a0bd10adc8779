#pragma once
// The collection the number scanner builds: one start and one length per
// match, the least a match of "([1-9][0-9]{4,})" needs, since its one group
// always covers the whole match.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "regex/regex_object.h"

namespace morvane {

template <typename Offset>
class NumberMatchCollection final : public MatchCollection {
public:
    // startsAndLengths: per match, its start and its length.
    NumberMatchCollection(std::string subject, std::vector<Offset> startsAndLengths);

    std::int32_t Count() const override;
    std::string_view Text(std::int32_t match) const override;
    std::int32_t SubMatchCount(std::int32_t match) const override;
    std::string_view SubMatchText(std::int32_t match, std::int32_t subMatch) const override;

private:
    std::string subject_;
    std::vector<Offset> startsAndLengths_;
};

extern template class NumberMatchCollection<std::uint32_t>;
extern template class NumberMatchCollection<std::uint64_t>;

}  // namespace morvane
