#include "platform/qt/qt_url_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/qt/local_text.h"

namespace morvane {

namespace {

QUrl ToUrl(const std::string& url) {
    // Strict parsing: an address that isn't one goes nowhere rather than being guessed at.
    return QUrl(ToQString(url), QUrl::StrictMode);
}

bool StartDetached(const QString& command, const QString& address) {
    QStringList arguments = QProcess::splitCommand(command);
    if (arguments.isEmpty()) return false;
    const QString program = arguments.takeFirst();
    bool placed = false;
    for (QString& argument : arguments) {
        if (argument.contains(QLatin1String("%s"))) {
            argument.replace(QLatin1String("%s"), address);
            placed = true;
        }
    }
    if (!placed) arguments << address;
    // The browser runs on its own; nothing here waits for it.
    return QProcess::startDetached(program, arguments);
}

}  // namespace

bool QtUrlOpener::OpenWithDesktop(const std::string& url) {
    const QUrl address = ToUrl(url);
    return address.isValid() && !address.isRelative() && QDesktopServices::openUrl(address);
}

bool QtUrlOpener::OpenWithBrowser(const std::string& url) {
    const QUrl address = ToUrl(url);
    if (!address.isValid() || address.isRelative()) return false;
    const QString text = address.toString(QUrl::FullyEncoded);

    QStringList commands = qEnvironmentVariable("BROWSER").split(u':', Qt::SkipEmptyParts);
    commands << QStringLiteral("x-www-browser") << QStringLiteral("xdg-open");
    for (const QString& command : commands) {
        if (StartDetached(command, text)) return true;
    }
    return false;
}

}  // namespace morvane
