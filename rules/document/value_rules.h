#pragma once

// The rules a value must keep beyond its kind and range, each named by the
// column it belongs to (ColumnInfo::valueRule).

#include <string>
#include <string_view>

#include "rules/document/record_fields.h"

namespace rules {

class RulesDocument;

// An abbreviation is three characters, starts and ends with no space (the
// reader would drop it), is not "nil" or "no" (which stand for no advance),
// and is no other advance's. The problem with `stored` as the abbreviation of
// advance `ref.record`, in UTF-8; "" when it may be stored.
std::string AbbreviationProblem(const RulesDocument& document, const FieldRef& ref,
                                std::string_view stored);

}  // namespace rules
