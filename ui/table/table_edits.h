#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "rules/document/field_values.h"
#include "rules/document/record_fields.h"
#include "ui/edit/document_editor.h"

namespace ui {

class RecordTableModel;

// Cells as a spreadsheet puts them on the clipboard: rows by line breaks,
// cells by tabs; a cell in double quotes may hold tabs, line breaks and
// doubled quotes. A final line break ends the last row, it starts none.
QList<QStringList> ParseTabText(const QString& text);
QString TabText(const QList<QStringList>& rows);

// Edits made ready to be stored as one step, or why none may be.
struct EditPlan {
    std::vector<FieldEdit> edits;
    QString problem;  // empty when every cell was accepted
};

// The cells of `rows` put onto the table from one corner: row r of the cells
// goes to record `records[r]`, cell c to the column `columns[c]` of `model`.
// Every cell is parsed as a typed value would be; the first refused one, or
// cells beyond the table's edge, refuse the whole paste. Cells falling on a
// computed column are left out (a row copied whole can be pasted back).
// A cell holding what the field shows makes no edit.
EditPlan PlanPaste(const RecordTableModel& model, const QList<int>& records,
                   const QList<int>& columns, const QList<QStringList>& rows);

// The numeric cells among `refs` adjusted (rounded, kept within their
// range); other cells are left out. Only cells that change make an edit.
EditPlan PlanAdjust(const rules::RulesDocument& document, const std::vector<rules::FieldRef>& refs,
                    rules::AdjustMode mode, double amount);

// The whole section as CSV (RFC 4180): a header row of the column headings,
// then every record in file order, lines ended by CR LF.
QString CsvText(const RecordTableModel& model);
// Parses CSV text into rows of cells; `problem` names a quote left open.
QList<QStringList> ParseCsv(const QString& text, QString* problem);

// What importing CSV text would change: the edits, and each difference as a
// line for the user ("Ember Guard, attack: 4 -> 6"). Rows are matched by
// name (the n-th row of a name to the n-th record of it); columns by heading,
// computed ones ignored. An unknown name, an unknown heading or a refused
// value stops the import and names its row.
struct ImportPlan : EditPlan {
    QStringList differences;
};
ImportPlan PlanCsvImport(const RecordTableModel& model, const QString& csv);

}  // namespace ui
