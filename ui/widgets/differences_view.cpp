#include "ui/widgets/differences_view.h"

#include <QHeaderView>
#include <algorithm>
#include <map>

#include "rules/document/rules_document.h"
#include "ui/codec/text_codec.h"

namespace ui {

namespace {

// Where a row's difference is kept: record index and field index into the
// comparison; -1 for rows without one. A row of another section's rows
// keeps the row's index instead of a record's, and its cell's.
constexpr int kRecordRole = Qt::UserRole;
constexpr int kFieldRole = Qt::UserRole + 1;
constexpr int kSectionRowRole = Qt::UserRole + 2;
// Set on the top rows that a comparison of the records alone replaces: the
// records' headings, and a remark.
constexpr int kRecordsPartRole = Qt::UserRole + 3;

QString Heading(rules::SectionId section) {
    switch (section) {
        case rules::SectionId::Cosmic: return QObject::tr("Cosmic values");
        case rules::SectionId::Advances: return QObject::tr("Advances");
        case rules::SectionId::Units: return QObject::tr("Units");
    }
    return {};
}

QString Quoted(std::string_view line) { return QLatin1Char('"') + ToDisplay(line) + QLatin1Char('"'); }

}  // namespace

DifferencesView::DifferencesView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    // Double-click and Enter alike.
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* row) {
        if (const auto record = RecordOf(row)) emit RecordActivated(record->first, record->second);
        const QVariant r = row->data(0, kSectionRowRole);
        if (r.isValid() && r.toInt() >= 0 && r.toInt() < int(comparison_.rows.size()))
            emit RowActivated(comparison_.rows[size_t(r.toInt())], row->data(0, kFieldRole).toInt());
    });
}

void DifferencesView::ShowRemark(const QString& text) {
    clear();
    comparison_ = {};
    auto* item = new QTreeWidgetItem(this, {text});
    item->setFlags(Qt::ItemIsEnabled);
    item->setData(0, kRecordsPartRole, true);
}

void DifferencesView::ShowComparison(const rules::Comparison& comparison,
                                     const rules::RulesDocument& base,
                                     const rules::RulesDocument& other) {
    clear();
    comparison_ = comparison;
    if (comparison.Empty()) {
        ShowRemark(tr("No differences."));
        return;
    }
    AddRecords();
    std::map<std::string, QTreeWidgetItem*> sections;
    for (std::size_t r = 0; r < comparison_.rows.size(); ++r) {
        const rules::RowDifference& row = comparison_.rows[r];
        QTreeWidgetItem*& heading = sections[row.section];
        if (!heading) {
            heading = new QTreeWidgetItem(this, {QLatin1Char('@') + ToDisplay(row.section)});
            heading->setData(0, kRecordRole, -1);
            heading->setExpanded(true);
        }
        const auto keep = [&](QTreeWidgetItem* item, int cell) {
            item->setData(0, kRecordRole, -1);
            item->setData(0, kSectionRowRole, int(r));
            item->setData(0, kFieldRole, cell);
        };
        if (row.presence != rules::RecordDifference::Presence::Both) {
            auto* item = new QTreeWidgetItem(heading, {ToDisplay(rules::PresenceText(row))});
            keep(item, -1);
            Grey(item, tr("Only one side holds this row: there is no cell to take."));
            continue;
        }
        const std::string label = rules::RowLabel(row);
        auto* parent = new QTreeWidgetItem(heading, {ToDisplay(label)});
        keep(parent, -1);
        parent->setExpanded(true);
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            std::string text = rules::DifferenceText(row, row.cells[c]);
            text.erase(0, label.size() + 2);  // the row above names it
            keep(new QTreeWidgetItem(parent, {ToDisplay(text)}), int(c));
        }
    }
    if (!comparison_.lines.empty()) {
        auto* heading = new QTreeWidgetItem(this, {tr("Other lines")});
        heading->setData(0, kRecordRole, -1);
        heading->setExpanded(true);
        Grey(heading, tr("Lines outside the sections are shown, not taken."));
        for (const rules::LineDifference& line : comparison_.lines) {
            QString text;
            if (line.baseLine >= 0 && line.otherLine >= 0) {
                text = tr("Line %1: %2 -> %3")
                           .arg(line.otherLine + 1)
                           .arg(Quoted(base.Lines().GetLine(line.baseLine)),
                                Quoted(other.Lines().GetLine(line.otherLine)));
            } else if (line.baseLine >= 0) {
                text = tr("Line %1 removed: %2")
                           .arg(line.baseLine + 1)
                           .arg(Quoted(base.Lines().GetLine(line.baseLine)));
            } else {
                text = tr("Line %1 added: %2")
                           .arg(line.otherLine + 1)
                           .arg(Quoted(other.Lines().GetLine(line.otherLine)));
            }
            auto* row = new QTreeWidgetItem(heading, {text});
            row->setData(0, kRecordRole, -1);
            Grey(row, heading->toolTip(0));
        }
    }
}

void DifferencesView::ShowRecords(const rules::Comparison& comparison) {
    comparison_ = comparison;
    if (comparison_.Empty()) {
        ShowRemark(tr("No differences."));
        return;
    }
    // The rows of other kinds stay as they are; their indexes into the
    // comparison hold, as only its records changed.
    for (int h = topLevelItemCount() - 1; h >= 0; --h)
        if (topLevelItem(h)->data(0, kRecordsPartRole).toBool()) delete takeTopLevelItem(h);
    AddRecords();
}

// A row that holds nothing a field edit could take, and why.
void DifferencesView::Grey(QTreeWidgetItem* row, const QString& why) const {
    row->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
    row->setToolTip(0, why);
}

void DifferencesView::AddRecords() {
    std::map<rules::SectionId, QTreeWidgetItem*> headings;
    int next = 0;  // the records come first, above the rows of other kinds
    for (std::size_t r = 0; r < comparison_.records.size(); ++r) {
        const rules::RecordDifference& record = comparison_.records[r];
        QTreeWidgetItem*& heading = headings[record.section];
        if (!heading) {
            heading = new QTreeWidgetItem({Heading(record.section)});
            insertTopLevelItem(next++, heading);
            heading->setData(0, kRecordsPartRole, true);
            heading->setData(0, kRecordRole, -1);
            heading->setExpanded(true);
        }
        if (record.presence != rules::RecordDifference::Presence::Both) {
            auto* row = new QTreeWidgetItem(heading, {ToDisplay(rules::PresenceText(record))});
            row->setData(0, kRecordRole, int(r));
            row->setData(0, kFieldRole, -1);
            Grey(row, tr("Only one side holds this record: there is no field to take."));
            continue;
        }
        // A cosmic value is one field: its row is its record's.
        QTreeWidgetItem* parent = heading;
        const std::string label = rules::RecordLabel(record);
        if (record.section != rules::SectionId::Cosmic) {
            parent = new QTreeWidgetItem(heading, {ToDisplay(label)});
            parent->setData(0, kRecordRole, int(r));
            parent->setData(0, kFieldRole, -1);
            parent->setExpanded(true);
        }
        for (std::size_t f = 0; f < record.fields.size(); ++f) {
            std::string text = rules::DifferenceText(record, record.fields[f]);
            if (parent != heading) text.erase(0, label.size() + 2);  // the row above names it
            auto* row = new QTreeWidgetItem(parent, {ToDisplay(text)});
            row->setData(0, kRecordRole, int(r));
            row->setData(0, kFieldRole, int(f));
        }
    }
}

namespace {

// Calls `visit` for every row under `parent`, depth first, in the order shown.
template <typename Visit>
void EachRow(const QTreeWidgetItem* parent, Visit&& visit) {
    for (int c = 0; c < parent->childCount(); ++c) {
        visit(parent->child(c));
        EachRow(parent->child(c), visit);
    }
}

}  // namespace

QStringList DifferencesView::RowTexts() const {
    QStringList rows;
    for (int h = 0; h < topLevelItemCount(); ++h) {
        const QTreeWidgetItem* heading = topLevelItem(h);
        if (heading->childCount() == 0) rows << heading->text(0);
        EachRow(heading, [&](const QTreeWidgetItem* row) {
            if (row->childCount() > 0) return;
            const QTreeWidgetItem* above = row->parent();
            rows << (above && above->parent() ? above->text(0) + QStringLiteral(": ") + row->text(0)
                                              : row->text(0));
        });
    }
    return rows;
}

QTreeWidgetItem* DifferencesView::RowOf(const rules::FieldRef& ref) const {
    QTreeWidgetItem* found = nullptr;
    for (int h = 0; h < topLevelItemCount() && !found; ++h) {
        EachRow(topLevelItem(h), [&](QTreeWidgetItem* row) {
            const int r = row->data(0, kRecordRole).toInt();
            const int f = row->data(0, kFieldRole).toInt();
            if (!found && r >= 0 && f >= 0 && row->data(0, kFieldRole).isValid() &&
                !row->data(0, kSectionRowRole).isValid() &&
                comparison_.records.at(size_t(r)).fields.at(size_t(f)).ref == ref)
                found = row;
        });
    }
    return found;
}

namespace {

// A row counts when it or any row above it is selected.
bool Chosen(const QTreeWidgetItem* row) {
    for (; row; row = row->parent())
        if (row->isSelected()) return true;
    return false;
}

}  // namespace

std::vector<rules::CellDifference> DifferencesView::SelectedCells() const {
    std::vector<rules::CellDifference> cells;
    for (int h = 0; h < topLevelItemCount(); ++h) {
        EachRow(topLevelItem(h), [&](const QTreeWidgetItem* item) {
            const QVariant r = item->data(0, kSectionRowRole);
            const int c = item->data(0, kFieldRole).toInt();
            if (!Chosen(item) || !r.isValid() || r.toInt() < 0 || c < 0) return;
            const rules::CellDifference& cell = comparison_.rows.at(size_t(r.toInt())).cells.at(size_t(c));
            const bool known = std::any_of(cells.begin(), cells.end(),
                                           [&](const auto& kept) { return kept.ref == cell.ref; });
            if (!known) cells.push_back(cell);
        });
    }
    return cells;
}

std::vector<rules::FieldDifference> DifferencesView::SelectedFields() const {
    std::vector<rules::FieldDifference> fields;
    const auto take = [&](const QTreeWidgetItem* row) {
        if (!row->data(0, kFieldRole).isValid() || row->data(0, kSectionRowRole).isValid()) return;
        const int r = row->data(0, kRecordRole).toInt();
        const int f = row->data(0, kFieldRole).toInt();
        if (r < 0 || f < 0) return;
        const rules::FieldDifference& field = comparison_.records.at(size_t(r)).fields.at(size_t(f));
        const bool known = std::any_of(fields.begin(), fields.end(),
                                       [&](const auto& kept) { return kept.ref == field.ref; });
        if (!known) fields.push_back(field);
    };
    for (int h = 0; h < topLevelItemCount(); ++h) {
        EachRow(topLevelItem(h), [&](const QTreeWidgetItem* row) {
            if (Chosen(row)) take(row);
        });
    }
    return fields;
}

std::optional<std::pair<rules::SectionId, int>> DifferencesView::RecordOf(
    const QTreeWidgetItem* row) const {
    if (!row || !row->data(0, kRecordRole).isValid()) return std::nullopt;
    const int r = row->data(0, kRecordRole).toInt();
    if (r < 0 || r >= int(comparison_.records.size())) return std::nullopt;
    const rules::RecordDifference& record = comparison_.records[size_t(r)];
    return std::make_pair(record.section, record.record);
}

}  // namespace ui
