#pragma once
// Qt's own texts (standard buttons, file dialogs) in the user's language.

#include <QLocale>
#include <QTranslator>

#include <memory>

namespace morvane {

// Qt's translation for the locale from the system's Qt translations folder, or
// nothing when the system has none for it (Qt then keeps its English texts).
std::unique_ptr<QTranslator> LoadQtTranslation(const QLocale& locale);

}  // namespace morvane
