#include "ui/edit/document_editor.h"

#include <QFile>
#include <QStandardPaths>
#include <QUndoStack>
#include <algorithm>
#include <map>
#include <utility>

#include "rules/document/align_columns.h"
#include "rules/versions/version_store.h"
#include "ui/codec/text_codec.h"
#include "rules/sections/section_cells.h"
#include "ui/edit/replace_document_command.h"
#include "ui/edit/set_cells_command.h"
#include "ui/edit/set_fields_command.h"

namespace ui {

DocumentEditor::DocumentEditor(QObject* parent) : QObject(parent), stack_(new QUndoStack(this)) {}

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
    emit Loaded();
}

std::filesystem::path DocumentEditor::VersionsRoot() {
    // The user's data folder, never the game's.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty()) return {};
    return std::filesystem::path(QFile::encodeName(data).toStdString()) / "versions";
}

QString DocumentEditor::VersionsFolder() const {
    const rules::VersionStore store(VersionsRoot(), document_.TargetFileName());
    return QFile::decodeName(store.Folder().string().c_str());
}

rules::SaveOutcome DocumentEditor::Save() {
    EndTyping();
    rules::SaveOutcome outcome = rules::SaveKeepingVersion(document_, VersionsRoot());
    if (outcome.saved) {
        stack_->setClean();
        emit Saved();
    }
    return outcome;
}

bool DocumentEditor::HasUnsavedChanges() const { return !stack_->isClean(); }

void DocumentEditor::CommitPendingEdits() { emit CommitRequested(); }

void DocumentEditor::SetField(const rules::FieldRef& ref, std::string value, bool typing) {
    if (!rules::IsValidField(document_, ref)) return;
    const std::string& before = rules::FieldText(document_, ref);
    if (before == value) return;
    if (!typing) EndTyping();
    std::vector<SetFieldsCommand::Change> changes{{ref, before, std::move(value)}};
    stack_->push(new SetFieldsCommand(*this, std::move(changes), StepName(ref),
                                      typing ? typingSession_ : 0));
    if (!typing) EndTyping();
}

void DocumentEditor::SetFields(std::vector<FieldEdit> edits, const QString& text) {
    EndTyping();
    std::vector<SetFieldsCommand::Change> changes;
    for (FieldEdit& edit : edits) {
        if (!rules::IsValidField(document_, edit.ref)) continue;
        // A later edit of the same field wins, as if made one after the other.
        auto same = std::find_if(changes.begin(), changes.end(),
                                 [&](const auto& c) { return c.ref == edit.ref; });
        if (same != changes.end()) {
            same->after = std::move(edit.value);
            continue;
        }
        changes.push_back({edit.ref, rules::FieldText(document_, edit.ref), std::move(edit.value)});
    }
    std::erase_if(changes, [](const auto& c) { return c.before == c.after; });
    if (changes.empty()) return;
    const QString name = changes.size() == 1 && text.isEmpty() ? StepName(changes[0].ref) : text;
    stack_->push(new SetFieldsCommand(*this, std::move(changes), name, 0));
}

void DocumentEditor::SetCells(std::vector<rules::CellEdit> edits, const QString& text) {
    EndTyping();
    std::vector<SetCellsCommand::Change> changes;
    for (rules::CellEdit& edit : edits) {
        if (!rules::IsValidCell(document_, edit.ref)) continue;
        auto same = std::find_if(changes.begin(), changes.end(),
                                 [&](const auto& c) { return c.ref == edit.ref; });
        if (same != changes.end()) {
            same->after = std::move(edit.value);
            continue;
        }
        changes.push_back({edit.ref, rules::CellText(document_, edit.ref), std::move(edit.value)});
    }
    std::erase_if(changes, [](const auto& c) { return c.before == c.after; });
    if (changes.empty()) return;
    const QString name = changes.size() == 1 && text.isEmpty() ? StepName(changes[0].ref) : text;
    stack_->push(new SetCellsCommand(*this, std::move(changes), name));
}

void DocumentEditor::SetCell(const rules::CellRef& ref, std::string value) {
    SetCells({{ref, std::move(value)}});
}

void DocumentEditor::SetEdits(std::vector<FieldEdit> fields, std::vector<rules::CellEdit> cells,
                              const QString& text) {
    if (cells.empty()) return SetFields(std::move(fields), text);
    if (fields.empty()) return SetCells(std::move(cells), text);
    stack_->beginMacro(text);
    SetFields(std::move(fields), text);
    SetCells(std::move(cells), text);
    stack_->endMacro();
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
    QString field = QString::fromLatin1(rules::FieldLabel(ref.section, ref.field));
    if (!field.startsWith(QStringLiteral("AI"))) field[0] = field[0].toUpper();
    return tr("%1 of %2").arg(field, record);
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

void DocumentEditor::AnnounceCells(const std::vector<rules::CellRef>& refs, bool revisit) {
    std::map<int, QList<int>> touched;
    for (const rules::CellRef& ref : refs) {
        QList<int>& rows = touched[ref.section];
        if (!rows.contains(ref.row)) rows.append(ref.row);
    }
    for (const auto& [section, rows] : touched) emit CellsChanged(section, rows);
    if (revisit && !refs.empty()) emit CellRevisited(refs.front());
}

void DocumentEditor::Announce(const std::vector<rules::FieldRef>& refs, bool revisit) {
    std::map<rules::SectionId, QList<int>> touched;
    for (const rules::FieldRef& ref : refs) {
        QList<int>& records = touched[ref.section];
        if (!records.contains(ref.record)) records.append(ref.record);
    }
    for (const auto& [section, records] : touched) emit FieldsChanged(section, records);
    if (revisit && !refs.empty()) emit StepRevisited(refs.front());
}

}  // namespace ui
