#include "platform/qt/local_text.h"

namespace morvane {

QString ToQString(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

std::string ToText(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace morvane
