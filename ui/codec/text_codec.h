#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The file's bytes are Windows-1252; everything the user sees or types goes
// through these two conversions and nothing else.
QString ToDisplay(std::string_view bytes);
// Nothing when the text holds a character that has no Windows-1252 byte.
std::optional<std::string> FromDisplay(const QString& text);

}  // namespace ui
