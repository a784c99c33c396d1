#include "rules/document/rules_document.h"

#include <algorithm>
#include <utility>

namespace rules {

Status RulesDocument::Load(const std::string& fileName, Language language) {
    FileStamp stamp;
    Status status = lines_.LoadFile(fileName, &stamp);
    if (!status) return status;
    onDisk_ = stamp;
    ResetTables();
    fileName_ = fileName;
    language_ = language;
    return status;
}

// Tables read from an earlier file must never be written over the lines of a
// new one, so a load starts the document afresh.
void RulesDocument::ResetTables() {
    cosmic_ = CosmicSection();
    advances_ = AdvanceTable();
    units_ = UnitTable();
    others_ = OtherSections();
    findings_.clear();
    savedLines_.Clear();
    parsed_ = false;
}

void RulesDocument::LoadBytes(std::string_view bytes, Language language) {
    AdoptBytes(std::string(bytes), language);
}

void RulesDocument::AdoptBytes(std::string&& bytes, Language language) {
    lines_.LoadBytes(std::move(bytes));
    ResetTables();
    fileName_.clear();  // Save then writes the language's own file name
    onDisk_ = FileStamp{};
    language_ = language;
}

void RulesDocument::Parse() {
    // The readers run once: the tables, their ranges and the page lists are
    // built from the file as loaded, never from rendered lines.
    if (parsed_) return;
    cosmic_.Read(lines_, findings_);
    advances_.Read(lines_, findings_);
    units_.Read(lines_, findings_);
    others_.Read(lines_);
    parsed_ = true;
    savedLines_ = lines_;
}

void RulesDocument::Render() {
    if (!parsed_) return;
    units_.Write(lines_);
    advances_.Write(lines_);
    cosmic_.Write(lines_, language_);
    others_.Write(lines_);
}

bool RulesDocument::HoldsRules() const {
    const auto missing = std::count_if(findings_.begin(), findings_.end(), [](const Finding& f) {
        return f.kind == Finding::Kind::MissingHeader;
    });
    return missing < 3;
}

Status RulesDocument::Save(bool* written) {
    if (written) *written = false;
    if (!parsed_ || !HoldsRules() || NeedsWriting()) return Write(written);
    return MarkSaved();
}

Status RulesDocument::MarkSaved() {
    TakeBaseline();
    return Status::Ok();
}

bool RulesDocument::NeedsWriting() {
    Render();
    if (!onDisk_.valid || CompareWithDisk(TargetFileName(), onDisk_) != DiskState::Unchanged)
        return true;
    switch (lines_.MatchesFile()) {
        case LineStore::FileMatch::Same: return false;
        case LineStore::FileMatch::Different: return true;
        case LineStore::FileMatch::Unknown: break;
    }
    const ContentDigest digest = lines_.Digest();
    return digest.Size() != onDisk_.size || digest.Value() != onDisk_.digest;
}

Status RulesDocument::Write(bool* written) {
    if (written) *written = false;
    if (!parsed_) return Status::Error(kNothingToSave);
    if (!HoldsRules())
        return Status::Error(TargetFileName() +
                             " is not a rules file: it holds none of the sections @COSMIC, "
                             "@CIVILIZE and @UNITS, so it was left as it is");
    Render();
    FileStamp stamp;
    Status status = lines_.SaveFile(TargetFileName(), &stamp);
    if (status) {
        onDisk_ = stamp;
        lines_.FileWritten();
        TakeBaseline();
        if (written) *written = true;
    }
    return status;
}

void RulesDocument::TakeBaseline() {
    savedLines_ = lines_;
    cosmic_.TakeBaseline(lines_);
    advances_.TakeBaseline(lines_);
    units_.TakeBaseline(lines_);
    others_.TakeBaseline(lines_);
}

const std::string& RulesDocument::SavedText(const FieldRef& ref) const {
    return SavedFieldText(*this, ref);
}

bool RulesDocument::Changed(const FieldRef& ref) const {
    if (ref.section == SectionId::Cosmic) return cosmic_.Changed(ref.record - 1);
    return FieldText(*this, ref) != SavedFieldText(*this, ref);
}

bool RulesDocument::RecordChanged(SectionId section, int record) const {
    if (record < 1 || record > RecordCount(*this, section)) return false;
    switch (section) {
        case SectionId::Units: return units_.Changed(record);
        case SectionId::Advances: return advances_.Changed(record);
        case SectionId::Cosmic: return cosmic_.Changed(record - 1);
    }
    return false;
}

bool RulesDocument::HasUnsavedChanges() {
    if (!parsed_) return false;
    Render();
    return !lines_.SameLines(savedLines_);
}

bool RulesDocument::ValuesChanged() const {
    if (!parsed_) return false;
    for (const SectionId section : {SectionId::Cosmic, SectionId::Advances, SectionId::Units}) {
        const int count = RecordCount(*this, section);
        for (int record = 1; record <= count; ++record) {
            if (RecordChanged(section, record)) return true;
        }
    }
    return others_.Changed();
}

std::string RulesDocument::TargetFileName() const {
    return fileName_.empty() ? std::string(RulesFileName(language_)) : fileName_;
}

bool RulesDocument::ChangedOnDisk() const {
    if (!onDisk_.valid) return false;
    return CompareWithDisk(TargetFileName(), onDisk_) == DiskState::Changed;
}

RulesDocument::Content RulesDocument::TakeContent() const& {
    return {lines_, cosmic_, advances_, units_, others_, findings_, parsed_};
}

RulesDocument::Content RulesDocument::TakeContent() && {
    return {std::move(lines_),    std::move(cosmic_), std::move(advances_), std::move(units_),
            std::move(others_),   std::move(findings_), parsed_};
}

RulesDocument::Content RulesDocument::SwapContent(Content content) {
    Content current = std::move(*this).TakeContent();
    PutContent(std::move(content));
    return current;
}

void RulesDocument::PutContent(Content content) {
    lines_ = std::move(content.lines);
    // Read from elsewhere, or put back after a save: only the bytes tell
    // what the file holds now.
    lines_.ForgetFile();
    cosmic_ = std::move(content.cosmic);
    advances_ = std::move(content.advances);
    units_ = std::move(content.units);
    others_ = std::move(content.others);
    findings_ = std::move(content.findings);
    parsed_ = content.parsed;
}

RulesDocument::Content RulesDocument::ReadContent(std::string_view bytes) const {
    RulesDocument other;
    other.LoadBytes(bytes, language_);
    other.Parse();
    return std::move(other).TakeContent();
}

std::string RulesDocument::SaveToBytes() {
    Render();
    return lines_.SaveBytes();
}

}  // namespace rules
