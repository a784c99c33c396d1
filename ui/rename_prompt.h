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
// can hold it; a name that holds one of `separators`, is empty after trimming,
// or holds a character the file's character set lacks is refused with a
// message, and nothing is returned.
std::optional<std::string> AskForNewName(TRenameForm& form, QWidget* parent,
                                         std::string_view currentName, const QString& separators);

}  // namespace ui
