#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace ui {

class TRenameForm;

// Asks for a new name through the rename dialog, preset with the current one.
// Returns the new name as file bytes when the user confirmed it and the file
// can hold it. A name is refused, with a message, when it holds one of
// `separators`, is empty after trimming, begins with "@" (it would read as a
// section header), or holds a character the file's character set lacks; then
// nothing is returned.
std::optional<std::string> AskForNewName(TRenameForm& form, QWidget* parent,
                                         std::string_view currentName, const QString& separators);

}  // namespace ui
