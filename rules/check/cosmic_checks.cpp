// The cosmic values: each a plain number within its own range.

#include "rules/check/check_context.h"
#include "rules/check/written_numbers.h"

namespace rules::check_detail {

void CheckCosmicValues(CheckContext& context) {
    const CosmicSection& cosmic = context.document.Cosmic();
    for (int p = 0; p < kCosmicCount; ++p) {
        if (cosmic.LineOf(p) < 0) continue;  // never read, never written
        const std::string value = WrittenNumber(context.document, CosmicFieldRef(p + 1));
        const ColumnInfo& info = InfoOf(CosmicFieldRef(p + 1));
        const std::optional<long> number = PlainNumber(value);
        if (number && *number >= info.range.minimum && *number <= info.range.maximum)
            continue;
        // Named as the Cosmic page names it, not by its internal key.
        const std::string name = Quoted(info.label);
        if (number)
            context.Add(Severity::Warning, "out-of-range", SectionId::Cosmic, p + 1, cosmic.LineOf(p),
                name + " is " + value + ", outside " + std::to_string(info.range.minimum) +
                    " to " + std::to_string(info.range.maximum) +
                    ", the range the editor offers.",
                0);
        else
            context.Add(Severity::Warning, "not-a-number", SectionId::Cosmic, p + 1, cosmic.LineOf(p),
                value.empty() ? name + " is empty."
                              : name + " is " + Quoted(value) + ", not a plain number.",
                0);
    }
}


}  // namespace rules::check_detail
