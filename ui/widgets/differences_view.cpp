#include "ui/widgets/differences_view.h"

#include <QHeaderView>
#include <algorithm>
#include <map>

#include "rules/document/rules_document.h"
#include "ui/widgets/text_codec.h"

namespace ui {

namespace {

// Where a row's difference is kept: record index and field index into the
// comparison; -1 for rows without one.
constexpr int kRecordRole = Qt::UserRole;
constexpr int kFieldRole = Qt::UserRole + 1;

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
}

void DifferencesView::ShowRemark(const QString& text) {
    clear();
    comparison_ = {};
    auto* item = new QTreeWidgetItem(this, {text});
    item->setFlags(Qt::ItemIsEnabled);
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
    std::map<rules::SectionId, QTreeWidgetItem*> headings;
    for (std::size_t r = 0; r < comparison_.records.size(); ++r) {
        const rules::RecordDifference& record = comparison_.records[r];
        QTreeWidgetItem*& heading = headings[record.section];
        if (!heading) {
            heading = new QTreeWidgetItem(this, {Heading(record.section)});
            heading->setData(0, kRecordRole, -1);
            heading->setExpanded(true);
        }
        if (record.presence != rules::RecordDifference::Presence::Both) {
            auto* row = new QTreeWidgetItem(heading, {ToDisplay(rules::PresenceText(record))});
            row->setData(0, kRecordRole, -1);
            continue;
        }
        for (std::size_t f = 0; f < record.fields.size(); ++f) {
            auto* row = new QTreeWidgetItem(
                heading, {ToDisplay(rules::DifferenceText(record, record.fields[f]))});
            row->setData(0, kRecordRole, int(r));
            row->setData(0, kFieldRole, int(f));
        }
    }
    if (!comparison_.lines.empty()) {
        auto* heading = new QTreeWidgetItem(this, {tr("Other lines")});
        heading->setData(0, kRecordRole, -1);
        heading->setExpanded(true);
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
        }
    }
}

QStringList DifferencesView::RowTexts() const {
    QStringList rows;
    for (int h = 0; h < topLevelItemCount(); ++h) {
        const QTreeWidgetItem* heading = topLevelItem(h);
        if (heading->childCount() == 0) rows << heading->text(0);
        for (int c = 0; c < heading->childCount(); ++c) rows << heading->child(c)->text(0);
    }
    return rows;
}

std::vector<rules::FieldDifference> DifferencesView::SelectedFields() const {
    std::vector<rules::FieldDifference> fields;
    const auto take = [&](const QTreeWidgetItem* row) {
        const int r = row->data(0, kRecordRole).toInt();
        if (!row->data(0, kRecordRole).isValid() || r < 0) return;
        const int f = row->data(0, kFieldRole).toInt();
        const rules::FieldDifference& field = comparison_.records.at(size_t(r)).fields.at(size_t(f));
        const bool known = std::any_of(fields.begin(), fields.end(),
                                       [&](const auto& kept) { return kept.ref == field.ref; });
        if (!known) fields.push_back(field);
    };
    for (int h = 0; h < topLevelItemCount(); ++h) {
        const QTreeWidgetItem* heading = topLevelItem(h);
        for (int c = 0; c < heading->childCount(); ++c) {
            if (heading->isSelected() || heading->child(c)->isSelected()) take(heading->child(c));
        }
    }
    return fields;
}

}  // namespace ui
