#pragma once
// The program's texts (bytes in the locale's 8-bit encoding) to and from Qt's
// strings, converted the same way everywhere on this desktop.

#include <QString>

#include <string>

namespace morvane {

// A text ends at its first zero byte, as everywhere in the program.
QString ToQString(const std::string& text);
std::string ToText(const QString& text);

}  // namespace morvane
