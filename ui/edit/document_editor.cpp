#include "ui/edit/document_editor.h"

#include <QFile>
#include <QUndoStack>
#include <algorithm>
#include <map>
#include <utility>

#include "rules/document/align_columns.h"
#include "rules/versions/version_store.h"
#include "ui/codec/text_codec.h"
#include "rules/sections/section_cells.h"
#include "ui/edit/replace_document_command.h"
#include "ui/edit/edit_command.h"
#include "ui/edit/field_caption.h"

namespace ui {

DocumentEditor::DocumentEditor(QObject* parent) : QObject(parent), stack_(new QUndoStack(this)) {
    connect(stack_, &QUndoStack::indexChanged, this, &DocumentEditor::UpdateUnsaved);
}

void DocumentEditor::UpdateUnsaved() {
    const bool unsaved = document_.HasUnsavedChanges();
    if (unsaved == unsaved_) return;
    unsaved_ = unsaved;
    emit UnsavedChanged(unsaved);
}

rules::Status DocumentEditor::Load(const std::string& fileName, rules::Language language) {
    return document_.Load(fileName, language);
}

void DocumentEditor::LoadBytes(std::string_view bytes, rules::Language language) {
    document_.LoadBytes(bytes, language);
}

void DocumentEditor::Parse() {
    document_.Parse();
    // What was read is the saved state: nothing to undo before it.
    stack_->clear();
    EndTyping();
    UpdateUnsaved();
    emit Loaded();
}

std::filesystem::path DocumentEditor::VersionsRoot() {
    // The same folder as the command-line tool's, so that both list and
    // restore each other's versions.
    return rules::DefaultVersionsRoot();
}

QString DocumentEditor::VersionsFolder() const {
    const rules::VersionStore store(VersionsRoot(), document_.TargetFileName());
    return QFile::decodeName(store.Folder().string().c_str());
}

rules::SaveOutcome DocumentEditor::Save() {
    EndTyping();
    rules::SaveOutcome outcome = rules::SaveKeepingVersion(document_, VersionsRoot());
    if (outcome.saved) {
        UpdateUnsaved();
        emit Saved();
    }
    return outcome;
}

void DocumentEditor::CommitPendingEdits() { emit CommitRequested(); }

void DocumentEditor::SetField(const rules::FieldRef& ref, std::string value, bool typing) {
    if (!rules::IsValidField(document_, ref)) return;
    if (rules::FieldText(document_, ref) == value) return;
    if (!typing) EndTyping();
    rules::EditPlan plan;
    plan.edits.push_back({ref, std::move(value)});
    stack_->push(new EditCommand(*this, std::move(plan), StepName(ref), typing ? typingSession_ : 0));
    if (!typing) EndTyping();
}

void DocumentEditor::Edit(rules::EditPlan plan, const QString& text) {
    EndTyping();
    // A later edit of the same place wins, as if made one after the other;
    // places that would not change, or do not exist, are left out.
    const auto keep = [](auto& edits, auto valid, auto current) {
        std::vector<std::remove_reference_t<decltype(edits.front())>> kept;
        for (auto& edit : edits) {
            if (!valid(edit.ref)) continue;
            auto same = std::find_if(kept.begin(), kept.end(), [&](const auto& k) { return k.ref == edit.ref; });
            if (same != kept.end()) same->value = std::move(edit.value);
            else kept.push_back(std::move(edit));
        }
        std::erase_if(kept, [&](const auto& k) { return current(k.ref) == k.value; });
        edits = std::move(kept);
    };
    keep(plan.edits, [&](const rules::FieldRef& ref) { return rules::IsValidField(document_, ref); },
         [&](const rules::FieldRef& ref) -> const std::string& { return rules::FieldText(document_, ref); });
    keep(plan.cells, [&](const rules::CellRef& ref) { return rules::IsValidCell(document_, ref); },
         [&](const rules::CellRef& ref) -> const std::string& { return rules::CellText(document_, ref); });
    if (plan.EditCount() == 0) return;
    QString name = text;
    if (name.isEmpty() && plan.EditCount() == 1)
        name = plan.edits.empty() ? StepName(plan.cells.front().ref) : StepName(plan.edits.front().ref);
    stack_->push(new EditCommand(*this, std::move(plan), name, 0));
}

void DocumentEditor::SetFields(std::vector<FieldEdit> edits, const QString& text) {
    SetEdits(std::move(edits), {}, text);
}

void DocumentEditor::SetCells(std::vector<rules::CellEdit> edits, const QString& text) {
    SetEdits({}, std::move(edits), text);
}

void DocumentEditor::SetCell(const rules::CellRef& ref, std::string value) {
    SetCells({{ref, std::move(value)}});
}

void DocumentEditor::SetEdits(std::vector<FieldEdit> fields, std::vector<rules::CellEdit> cells,
                              const QString& text) {
    rules::EditPlan plan;
    plan.edits = std::move(fields);
    plan.cells = std::move(cells);
    Edit(std::move(plan), text);
}

void DocumentEditor::ReplaceDocument(rules::RulesDocument::Content content, const QString& text) {
    EndTyping();
    stack_->push(new ReplaceDocumentCommand(*this, std::move(content), text));
    EndTyping();
}

bool DocumentEditor::AlignColumns() {
    rules::RulesDocument aligned = document_;
    if (rules::AlignColumns(aligned).empty()) return false;
    ReplaceDocument(std::move(aligned).TakeContent(), tr("Align Columns"));
    return true;
}

void DocumentEditor::EndTyping() { ++typingSession_; }

void DocumentEditor::Undo() {
    EndTyping();
    stack_->undo();
}

void DocumentEditor::Redo() {
    EndTyping();
    stack_->redo();
}

QString DocumentEditor::StepName(const rules::FieldRef& ref) const {
    const QString record = ToDisplay(rules::RecordName(document_, ref.section, ref.record));
    if (ref.section == rules::SectionId::Cosmic) return record;
    if (ref.field == 0) return tr("Rename %1").arg(record);
    return tr("%1 of %2").arg(FieldCaption(rules::InfoOf(ref.section, ref.field)), record);
}

QString DocumentEditor::StepName(const rules::CellRef& ref) const {
    if (!rules::IsValidCell(document_, ref)) return tr("Set a cell");
    const rules::SectionTable& section = document_.Others().At(ref.section);
    const std::string& name = rules::RowName(section, ref.row);
    QString column = ToDisplay(section.Headings().at(static_cast<std::size_t>(ref.column)));
    if (!column.isEmpty()) column[0] = column[0].toUpper();
    return tr("%1 of %2 (%3)")
        .arg(column, name.empty() ? tr("Row %1").arg(ref.row) : ToDisplay(name), ToDisplay(section.Name()));
}

void DocumentEditor::Announce(const rules::EditPlan& plan, bool revisit) {
    std::map<rules::SectionId, QList<int>> records;
    for (const rules::FieldEdit& edit : plan.edits) {
        QList<int>& list = records[edit.ref.section];
        if (!list.contains(edit.ref.record)) list.append(edit.ref.record);
    }
    std::map<int, QList<int>> rows;
    for (const rules::CellEdit& edit : plan.cells) {
        QList<int>& list = rows[edit.ref.section];
        if (!list.contains(edit.ref.row)) list.append(edit.ref.row);
    }
    for (const auto& [section, list] : records) emit FieldsChanged(section, list);
    for (const auto& [section, list] : rows) emit CellsChanged(section, list);
    if (!revisit) return;
    if (!plan.edits.empty()) emit StepRevisited(plan.edits.front().ref);
    else if (!plan.cells.empty()) emit CellRevisited(plan.cells.front().ref);
}

}  // namespace ui
