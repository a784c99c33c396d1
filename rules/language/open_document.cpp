#include "rules/language/open_document.h"

#include <algorithm>

#include "rules/document/cp1252.h"
#include "rules/document/text_routines.h"
#include "rules/language/document_map.h"

namespace rules::language {

std::string ToFileBytes(std::string_view utf8, std::vector<TextPoint>* unstorable) {
    std::string bytes;
    bytes.reserve(utf8.size());
    TextPoint place;
    for (std::size_t offset = 0; offset < utf8.size();) {
        // Most of a rules file is ASCII, which stays as it is.
        const char ascii = utf8[offset];
        if (ascii >= ' ' && static_cast<unsigned char>(ascii) < 0x80) {
            bytes += ascii;
            ++place.column;
            ++offset;
            continue;
        }
        const int length =
            std::min<int>(Utf8SequenceLength(static_cast<unsigned char>(utf8[offset])),
                          static_cast<int>(utf8.size() - offset));
        const char32_t c = DecodeUtf8(utf8.substr(offset), length);
        offset += static_cast<std::size_t>(length);
        if (c == '\n' || (c == '\r' && (offset >= utf8.size() || utf8[offset] != '\n'))) {
            bytes += static_cast<char>(c);
            ++place.line;
            place.column = 0;
            continue;
        }
        const bool broken = length == 1 && c >= 0x80;  // not UTF-8 at all
        const std::optional<char> byte = broken ? std::nullopt
                                         : c >= 0x80 && c <= 0x9F
                                             ? std::optional<char>(static_cast<char>(c))
                                             : CodePointToCp1252(c);
        if (byte) {
            bytes += *byte;
        } else {
            bytes += '?';
            if (unstorable) unstorable->push_back(place);
        }
        // A CR before LF ends no line of its own: it stays in the bytes.
        if (c != '\r') ++place.column;
    }
    return bytes;
}

OpenDocument::OpenDocument(Language language, std::string utf8)
    : language_(language), text_(utf8) {}
OpenDocument::~OpenDocument() = default;
// The map points into the document it was made of: a moved document reads
// itself again when next asked rather than keep a map of another's.
OpenDocument::OpenDocument(OpenDocument&& other) noexcept
    : language_(other.language_), text_(std::move(other.text_)) {}
OpenDocument& OpenDocument::operator=(OpenDocument&& other) noexcept {
    language_ = other.language_;
    text_ = std::move(other.text_);
    fresh_ = checked_ = false;
    map_.reset();
    return *this;
}

void OpenDocument::SetText(std::string utf8) {
    text_ = EditorText(utf8);
    fresh_ = false;
}

void OpenDocument::Replace(TextPoint from, TextPoint to, std::string_view utf8) {
    const EditorText::LineChange change = text_.Replace(from, to, utf8);
    if (fresh_ && (change.removed != 1 || change.added != 1 || !Reread(change.first)))
        fresh_ = false;
}

bool OpenDocument::Reread(int line) {
    LineStore& lines = rules_.Lines();
    // The text's last line, after its last break, is no line of the store.
    if (line >= lines.LineCount()) return false;
    const std::string_view before = lines.GetLine(line);
    std::vector<TextPoint> unstorable;
    std::string bytes = ToFileBytes(text_.Line(line), &unstorable);
    // A header or a section's end moves where sections are.
    if (IsSectionHeader(before) || IsSectionEnd(before) || IsSectionHeader(bytes) ||
        IsSectionEnd(bytes))
        return false;
    const std::optional<RecordPlace> record = map_->RecordOn(line);
    if (record) {
        const bool reread = record->section == SectionId::Units
                                ? rules_.Units().Reread(record->record, bytes)
                            : record->section == SectionId::Advances
                                ? rules_.Advances().Reread(record->record, bytes)
                                : false;
        if (!reread) return false;
    } else if (map_->SectionAt(line) != nullptr) {
        return false;  // a line the readers of the sections look at
    }
    lines.PutLine(line, std::move(bytes));
    if (record && !map_->RecordReread(*record)) map_ = std::make_unique<DocumentMap>(rules_);
    TakeUnstorable(line, text_.Line(line));
    if (record && checked_) check_.TablesChanged(rules_);
    return true;
}

void OpenDocument::TakeUnstorable(int line, std::string_view utf8) {
    const auto begin = std::lower_bound(unstorable_.begin(), unstorable_.end(), TextPoint{line, 0});
    const auto end = std::lower_bound(begin, unstorable_.end(), TextPoint{line + 1, 0});
    std::vector<TextPoint> found;
    ToFileBytes(utf8, &found);
    for (TextPoint& place : found) place.line = line;
    const auto at = unstorable_.erase(begin, end);
    unstorable_.insert(at, found.begin(), found.end());
}

void OpenDocument::Refresh() const {
    if (fresh_) return;
    unstorable_.clear();
    // Line by line, so that the whole text is never held twice.
    std::string bytes;
    for (int line = 0; line < text_.LineCount(); ++line) {
        std::vector<TextPoint> found;
        bytes += ToFileBytes(text_.Line(line), &found);
        for (TextPoint& place : found) place.line = line;
        unstorable_.insert(unstorable_.end(), found.begin(), found.end());
        if (line + 1 < text_.LineCount()) bytes += "\r\n";
    }
    rules_.AdoptBytes(std::move(bytes), language_);
    rules_.Parse();
    map_ = std::make_unique<DocumentMap>(rules_);
    checked_ = false;
    fresh_ = true;
}

const Problems& OpenDocument::CheckedProblems(const CheckChoice& choice) const {
    Refresh();
    if (!checked_ || check_.Choice().disabled != choice.disabled ||
        check_.Choice().enabled != choice.enabled) {
        check_.CheckAll(rules_, choice);
        checked_ = true;
    }
    return check_.Problems();
}
const RulesDocument& OpenDocument::Rules() const {
    Refresh();
    return rules_;
}

const DocumentMap& OpenDocument::Map() const {
    Refresh();
    return *map_;
}

const std::vector<TextPoint>& OpenDocument::Unstorable() const {
    Refresh();
    return unstorable_;
}

}  // namespace rules::language
