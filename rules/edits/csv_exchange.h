#pragma once

#include <string>
#include <string_view>

#include "rules/document/record_fields.h"
#include "rules/edits/cell_grid.h"
#include "rules/edits/edit_plan.h"

namespace rules {

class RulesDocument;

// A table as CSV (RFC 4180), UTF-8: a header row of the Table's headings,
// then every row in file order with each column as the Table shows it,
// lines ended by CR LF.
std::string CsvText(const CellGrid& grid);
std::string CsvText(const RulesDocument& document, SectionId section);

// The bytes of a CSV file as UTF-8 text: taken as they are when they are
// valid UTF-8 (a byte order mark dropped), otherwise read as Windows-1252,
// which is what spreadsheets on Windows write.
struct CsvFileText {
    std::string utf8;
    bool readAsWindows1252 = false;
};
CsvFileText DecodeCsvFile(std::string_view bytes);

// What importing a CSV file (its bytes) into a table would change: the
// edits, each as a difference for the user ("Ember Guard, Attack: 4 → 6"),
// and notes on what was read otherwise than it stood. Rows are matched by
// name (the first column), the n-th row of a name to the n-th record of it;
// columns by heading, letter case ignored, computed ones skipped. Blank
// rows, and columns without a heading that hold nothing, are ignored. An
// unknown name or heading, a value under no heading or a refused value
// refuses the whole import, naming the row and column as a spreadsheet
// numbers them.
EditPlan PlanCsvImport(const CellGrid& grid, std::string_view bytes);
EditPlan PlanCsvImport(const RulesDocument& document, SectionId section, std::string_view bytes);

}  // namespace rules
