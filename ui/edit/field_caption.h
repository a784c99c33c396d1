#pragma once

#include <QString>

#include "rules/document/field_table.h"

namespace ui {

// A field's declared label as a caption: "Attack", "Prerequisite 1",
// "AI value", "Movement multiplier on roads". Undo steps are named with it
// and screen readers announce the field's control by it.
QString FieldCaption(const rules::ColumnInfo& info);

}  // namespace ui
