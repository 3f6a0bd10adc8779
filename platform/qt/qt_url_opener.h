#pragma once
// Opening a web address on the Qt desktop.

#include "platform/url_opener.h"

namespace morvane {

class QtUrlOpener : public UrlOpener {
public:
    bool OpenWithDesktop(const std::string& url) override;
    // $BROWSER (a ':'-separated list, "%s" standing for the address), then
    // x-www-browser, then xdg-open: the first that starts.
    bool OpenWithBrowser(const std::string& url) override;
};

}  // namespace morvane
