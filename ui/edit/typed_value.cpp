#include "ui/edit/typed_value.h"

#include "ui/codec/text_codec.h"

namespace ui {

rules::ParsedValue ReadTypedValue(const rules::RulesDocument& document, const rules::FieldRef& ref,
                                  const QString& text) {
    const std::optional<std::string> bytes = FromDisplay(text);
    if (!bytes)
        return {{}, "This text holds a character that the rules file (Windows-1252) cannot hold."};
    return rules::ParseDisplayText(document, ref, *bytes);
}

}  // namespace ui
