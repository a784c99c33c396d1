#pragma once

#include <optional>
#include <string>

#include "rules/document/record_fields.h"

class QWidget;

namespace rules {
class RulesDocument;
}

namespace ui {

class TRenameForm;

// Asks for a new name of the record whose name is `ref` through the rename
// dialog, preset with the current one. Returns the name to store when the
// user confirmed one the field takes (as typing it into its Table cell
// would); a refused name is said in a message and gives nothing.
std::optional<std::string> AskForNewName(TRenameForm& form, QWidget* parent,
                                         const rules::RulesDocument& document,
                                         const rules::FieldRef& ref);

}  // namespace ui
