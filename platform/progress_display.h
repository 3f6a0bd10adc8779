#pragma once
// Progress of a long job, with a way for the user to cancel it. The display stays
// hidden for short jobs: it appears only once a job has run for about half a second.

#include <cstdint>
#include <string>

namespace morvane {

class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void Begin(const std::string& label) = 0;
    // Also keeps the window responsive. Returns false once the user has cancelled.
    virtual bool Update(std::uint64_t done, std::uint64_t total) = 0;
    virtual void End() = 0;
};

}  // namespace morvane
