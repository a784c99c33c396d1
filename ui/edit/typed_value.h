#pragma once

#include <QString>

#include "rules/document/field_values.h"

namespace ui {

// What a text the user gave a field (typed into a form or a cell, entered in
// the rename dialog) stores, or why it is refused: the field table's one
// reader of values, after the conversion to the file's character set. Every
// place the user types a value goes through this, so they all accept and
// refuse alike.
rules::ParsedValue ReadTypedValue(const rules::RulesDocument& document, const rules::FieldRef& ref,
                                  const QString& text);

}  // namespace ui
