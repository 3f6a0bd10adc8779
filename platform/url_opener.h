#pragma once
// Opening a web address through the desktop; the program itself sends nothing.

#include <string>

namespace morvane {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // The desktop's own open action for the address. True when the desktop took it.
    virtual bool OpenWithDesktop(const std::string& url) = 0;
    // The desktop's default web browser, started with the address. True when it started.
    virtual bool OpenWithBrowser(const std::string& url) = 0;
};

}  // namespace morvane
