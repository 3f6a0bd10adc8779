#include "platform/qt/qt_translations.h"

#include <QLibraryInfo>

namespace morvane {

std::unique_ptr<QTranslator> LoadQtTranslation(const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    // load() tries the locale's fallbacks too (zh_Hans_CN, zh_CN, zh, ...).
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    return translator;
}

}  // namespace morvane
