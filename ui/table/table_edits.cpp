#include "ui/table/table_edits.h"

#include <map>

#include "rules/document/rules_document.h"
#include "ui/table/record_table_model.h"
#include "ui/codec/text_codec.h"

namespace ui {

namespace {

// Splits delimited text: `separator` between cells, line breaks between
// rows, double quotes around cells that hold either. Returns false when a
// quote is left open.
bool SplitDelimited(const QString& text, QChar separator, QList<QStringList>& rows) {
    QStringList row;
    QString cell;
    bool quoted = false;
    bool cellStarted = false;
    const auto endCell = [&] {
        row.append(cell);
        cell.clear();
        cellStarted = false;
    };
    const auto endRow = [&] {
        endCell();
        rows.append(row);
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"') && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRow();
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (quoted) return false;
    // Text after the last line break is a row; the break itself ends one.
    if (!row.isEmpty() || !cell.isEmpty() || cellStarted) endRow();
    return true;
}

QString Quoted(const QString& cell, QChar separator) {
    if (!cell.contains(separator) && !cell.contains(QLatin1Char('"')) &&
        !cell.contains(QLatin1Char('\n')) && !cell.contains(QLatin1Char('\r')))
        return cell;
    QString out = cell;
    out.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString RecordLabel(const rules::RulesDocument& document, rules::SectionId section, int record) {
    return ToDisplay(rules::RecordName(document, section, record));
}

// Parses one cell's text for the field; empty when accepted.
QString ParseCell(const rules::RulesDocument& document, const rules::FieldRef& ref,
                  const QString& text, std::string& stored) {
    const std::optional<std::string> bytes = FromDisplay(text);
    if (!bytes)
        return QStringLiteral("it holds a character that the rules file cannot store");
    rules::ParsedValue parsed = rules::ParseDisplayText(document, ref, *bytes);
    if (!parsed.problem.empty()) return ToDisplay(parsed.problem);
    stored = std::move(parsed.stored);
    return {};
}

}  // namespace

QList<QStringList> ParseTabText(const QString& text) {
    QList<QStringList> rows;
    if (!SplitDelimited(text, QLatin1Char('\t'), rows)) {
        // An open quote is no quoting at all: take the text as it stands.
        rows.clear();
        QString plain = text;
        if (plain.endsWith(QLatin1Char('\n'))) plain.chop(1);
        if (plain.endsWith(QLatin1Char('\r'))) plain.chop(1);
        for (const QString& line : plain.split(QLatin1Char('\n')))
            rows.append(QString(line).remove(QLatin1Char('\r')).split(QLatin1Char('\t')));
    }
    return rows;
}

QString TabText(const QList<QStringList>& rows) {
    QString out;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row) cells << Quoted(cell, QLatin1Char('\t'));
        out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

EditPlan PlanPaste(const RecordTableModel& model, const QList<int>& records,
                   const QList<int>& columns, const QList<QStringList>& rows) {
    EditPlan plan;
    const rules::RulesDocument& document = model.Editor().Document();
    const rules::SectionId section = model.Section();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (r >= records.size()) {
            plan.problem = QStringLiteral("The pasted cells reach beyond the last row shown: "
                                          "%1 rows from here, %2 pasted.")
                               .arg(records.size())
                               .arg(rows.size());
            plan.edits.clear();
            return plan;
        }
        const int record = records[r];
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            if (c >= columns.size()) {
                plan.problem = QStringLiteral("The pasted cells reach beyond the last column.");
                plan.edits.clear();
                return plan;
            }
            const int column = columns[c];
            const rules::FieldRef ref{section, record, model.FieldOfColumn(column)};
            if (ref.field < 0) continue;
            const QString heading = model.headerData(column, Qt::Horizontal).toString();
            if (!model.IsEditable(record - 1, column)) {
                plan.problem = QStringLiteral("%1, %2: this value has no line in the file.")
                                   .arg(RecordLabel(document, section, record), heading);
                plan.edits.clear();
                return plan;
            }
            std::string stored;
            if (const QString why = ParseCell(document, ref, rows[r][c], stored); !why.isEmpty()) {
                plan.problem = QStringLiteral("%1, %2: %3")
                                   .arg(RecordLabel(document, section, record), heading, why);
                plan.edits.clear();
                return plan;
            }
            if (stored != rules::FieldText(document, ref)) plan.edits.push_back({ref, std::move(stored)});
        }
    }
    return plan;
}

EditPlan PlanAdjust(const rules::RulesDocument& document, const std::vector<rules::FieldRef>& refs,
                    rules::AdjustMode mode, double amount) {
    EditPlan plan;
    for (const rules::FieldRef& ref : refs) {
        if (!rules::IsValidField(document, ref)) continue;
        const rules::FieldKind kind = rules::KindOf(ref.section, ref.field);
        if (kind != rules::FieldKind::Number) continue;
        if (ref.section == rules::SectionId::Cosmic && document.Cosmic().LineOf(ref.record - 1) < 0)
            continue;
        const rules::ValueRange range = rules::RangeOf(ref.section, ref.field);
        const std::string& text = rules::FieldText(document, ref);
        const std::optional<long> value = rules::PlainWholeNumber(text, range.minimum < 0);
        // A field that holds no number has nothing to add to or multiply.
        if (!value && mode != rules::AdjustMode::SetTo) continue;
        std::string result = std::to_string(rules::AdjustNumber(value.value_or(0), mode, amount, range));
        if (result != text) plan.edits.push_back({ref, std::move(result)});
    }
    return plan;
}

QString CsvText(const RecordTableModel& model) {
    QString out;
    const auto line = [&](const QStringList& cells) {
        QStringList quoted;
        for (const QString& cell : cells) quoted << Quoted(cell, QLatin1Char(','));
        out += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QStringList header;
    for (int c = 0; c < model.columnCount(); ++c)
        header << model.headerData(c, Qt::Horizontal).toString();
    line(header);
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c) cells << model.index(r, c).data().toString();
        line(cells);
    }
    return out;
}

QList<QStringList> ParseCsv(const QString& text, QString* problem) {
    QList<QStringList> rows;
    QString body = text;
    if (body.startsWith(QChar(0xFEFF))) body.remove(0, 1);  // a byte order mark some programs write
    if (!SplitDelimited(body, QLatin1Char(','), rows)) {
        if (problem) *problem = QStringLiteral("A quoted cell is never closed.");
        return {};
    }
    // Blank lines separate nothing in a table.
    rows.removeIf([](const QStringList& row) { return row.size() == 1 && row[0].isEmpty(); });
    return rows;
}

ImportPlan PlanCsvImport(const RecordTableModel& model, const QString& csv) {
    ImportPlan plan;
    const auto fail = [&](const QString& why) {
        plan.problem = why;
        plan.edits.clear();
        plan.differences.clear();
        return plan;
    };
    QString problem;
    const QList<QStringList> rows = ParseCsv(csv, &problem);
    if (!problem.isEmpty()) return fail(problem);
    if (rows.isEmpty()) return fail(QStringLiteral("The file holds no header row."));

    // Columns by heading; "Name" finds the record.
    const QStringList& header = rows.front();
    QList<int> columns;
    int nameColumn = -1;
    for (qsizetype c = 0; c < header.size(); ++c) {
        int found = -1;
        for (int m = 0; m < model.columnCount(); ++m)
            if (model.headerData(m, Qt::Horizontal).toString().compare(header[c].trimmed(),
                                                                       Qt::CaseInsensitive) == 0)
                found = m;
        if (found < 0)
            return fail(QStringLiteral("Row 1: the column \"%1\" is none of this table's.").arg(header[c]));
        if (found == 0) nameColumn = static_cast<int>(c);
        columns << found;
    }
    if (nameColumn < 0) return fail(QStringLiteral("Row 1: there is no column \"Name\"."));

    const rules::RulesDocument& document = model.Editor().Document();
    const rules::SectionId section = model.Section();
    std::map<QString, QList<int>> byName;  // records of each shown name, in file order
    for (int r = 0; r < model.rowCount(); ++r) byName[model.index(r, 0).data().toString()] << r + 1;
    std::map<QString, int> seen;

    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& row = rows[r];
        const QString rowLabel = QStringLiteral("Row %1").arg(r + 1);
        if (nameColumn >= row.size()) return fail(rowLabel + QStringLiteral(": it has no name."));
        const QString name = row[nameColumn];
        const int occurrence = seen[name]++;
        const auto found = byName.find(name);
        if (found == byName.end() || occurrence >= found->second.size())
            return fail(QStringLiteral("%1: there is no record named \"%2\".").arg(rowLabel, name));
        const int record = found->second[occurrence];
        for (qsizetype c = 0; c < row.size() && c < columns.size(); ++c) {
            const int column = columns[c];
            const rules::FieldRef ref{section, record, model.FieldOfColumn(column)};
            if (ref.field < 0 || c == nameColumn) continue;
            const QString shown = model.index(record - 1, column).data().toString();
            if (row[c] == shown) continue;
            const QString heading = model.headerData(column, Qt::Horizontal).toString();
            if (!model.IsEditable(record - 1, column))
                return fail(QStringLiteral("%1 (%2), %3: this value has no line in the file.")
                                .arg(rowLabel, name, heading));
            std::string stored;
            if (const QString why = ParseCell(document, ref, row[c], stored); !why.isEmpty())
                return fail(QStringLiteral("%1 (%2), %3: %4").arg(rowLabel, name, heading, why));
            if (stored == rules::FieldText(document, ref)) continue;
            plan.differences << QStringLiteral("%1, %2: %3 \u2192 %4")
                                    .arg(name, heading, shown, row[c]);
            plan.edits.push_back({ref, std::move(stored)});
        }
    }
    return plan;
}

}  // namespace ui
