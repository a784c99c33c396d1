#include "rules/language/document_map.h"

#include <algorithm>

#include "rules/document/text_routines.h"

namespace rules::language {

namespace {

// The header line the readers took for a table, or -1.
int TableHeader(const RulesDocument& document, SectionId section) {
    const int first = section == SectionId::Cosmic     ? document.Cosmic().Range().first
                      : section == SectionId::Advances ? document.Advances().Range().first
                                                       : document.Units().Range().first;
    return first >= 1 && first <= document.Lines().LineCount() ? first - 1 : -1;
}

}  // namespace

DocumentMap::DocumentMap(const RulesDocument& document) : document_(document) {
    MapSections();
    for (int k = 0; k < kCosmicCount; ++k)
        if (const int line = document.Cosmic().LineOf(k); line >= 0)
            records_[line] = {SectionId::Cosmic, k + 1};
    for (int k = 1; k <= document.Advances().Count(); ++k)
        records_[document.Advances().At(k).line] = {SectionId::Advances, k};
    for (int k = 1; k <= document.Units().Count(); ++k)
        records_[document.Units().At(k).line] = {SectionId::Units, k};
    for (int k = document.Advances().Count(); k >= 1; --k)
        firstWithAbbrev_[document.Advances().At(k).abbrev] = k;
    MapMentions();
}

void DocumentMap::MapSections() {
    const LineStore& lines = document_.Lines();
    const int headers[] = {TableHeader(document_, SectionId::Cosmic),
                           TableHeader(document_, SectionId::Advances),
                           TableHeader(document_, SectionId::Units)};
    SectionPlace* open = nullptr;
    for (int line = 0; line < lines.LineCount(); ++line) {
        const std::string_view text = lines.GetLine(line);
        if (IsSectionHeader(text)) {
            if (open) open->end = line;
            SectionPlace& section = sections_.emplace_back();
            section.name = std::string(text.substr(1));
            section.header = line;
            section.end = lines.LineCount();
            for (const SectionId id : {SectionId::Cosmic, SectionId::Advances, SectionId::Units})
                if (headers[static_cast<int>(id)] == line) section.table = id;
            open = &section;
        } else if (open && IsSectionEnd(text)) {
            open->end = line + 1;
            open = nullptr;
        }
    }
}

const SectionPlace* DocumentMap::SectionAt(int line) const {
    for (const SectionPlace& section : sections_)
        if (line >= section.header && line < section.end) return &section;
    return nullptr;
}

std::optional<RecordPlace> DocumentMap::RecordOn(int line) const {
    const auto found = records_.find(line);
    if (found == records_.end()) return std::nullopt;
    return found->second;
}

int DocumentMap::LineOf(SectionId section, int record) const {
    switch (section) {
        case SectionId::Cosmic:
            return record >= 1 && record <= kCosmicCount ? document_.Cosmic().LineOf(record - 1)
                                                         : -1;
        case SectionId::Advances:
            return record >= 1 && record <= document_.Advances().Count()
                       ? document_.Advances().At(record).line
                       : -1;
        case SectionId::Units:
            return record >= 1 && record <= document_.Units().Count()
                       ? document_.Units().At(record).line
                       : -1;
    }
    return -1;
}

ValueSpan DocumentMap::SpanOf(const FieldRef& ref) const {
    // The document is read and never edited: what its readers saved is
    // where the values stand.
    if (LineOf(ref.section, ref.record) < 0 || ref.field < 0 ||
        ref.field >= FieldCount(ref.section))
        return {};
    const auto field = static_cast<std::size_t>(ref.field);
    switch (ref.section) {
        case SectionId::Cosmic:
            return document_.Cosmic().SavedSpan(ref.record - 1);
        case SectionId::Advances:
            return document_.Advances().SavedLayout(ref.record).at(field);
        case SectionId::Units:
            return document_.Units().SavedLayout(ref.record).at(field);
    }
    return {};
}

TextRange DocumentMap::FieldRange(const FieldRef& ref) const {
    const int line = LineOf(ref.section, ref.record);
    if (line < 0) return {};
    const ValueSpan span = SpanOf(ref);
    if (!span.Known()) return LineRange(line);
    return {{line, span.cellBegin}, {line, span.cellEnd}};
}

int DocumentMap::FieldAt(RecordPlace record, int column) const {
    for (int field = 0; field < FieldCount(record.section); ++field) {
        const ValueSpan span = SpanOf({record.section, record.record, field});
        if (span.Known() && column >= span.fieldBegin && column <= span.fieldEnd) return field;
    }
    return -1;
}

TextRange DocumentMap::LineRange(int line) const {
    const std::string_view text = document_.Lines().GetLine(line);
    const std::size_t begin = std::min(text.find_first_not_of(' '), text.size());
    const std::size_t last = text.find_last_not_of(' ');
    const std::size_t end = last == std::string_view::npos ? begin : last + 1;
    return {{line, static_cast<int>(begin)}, {line, static_cast<int>(end)}};
}

int DocumentMap::AdvanceNamed(const std::string& abbrev) const {
    const auto found = firstWithAbbrev_.find(abbrev);
    return found == firstWithAbbrev_.end() ? 0 : found->second;
}

const std::vector<Mention>& DocumentMap::MentionsOf(int number) const {
    static const std::vector<Mention> kNone;
    if (number < 1 || number >= static_cast<int>(mentions_.size())) return kNone;
    return mentions_[static_cast<std::size_t>(number)];
}

void DocumentMap::AddMentionsOf(const FieldRef& ref) {
    if (!IsAdvanceField(ref.section, ref.field)) return;
    const int number = AdvanceNamed(FieldText(document_, ref));
    if (number <= 0) return;
    std::vector<Mention>& list = mentions_[static_cast<std::size_t>(number)];
    const TextRange range = FieldRange(ref);
    const auto at = std::upper_bound(list.begin(), list.end(), range.start,
                                     [](TextPoint p, const Mention& m) { return p < m.range.start; });
    list.insert(at, {range, ref});
}

bool DocumentMap::RecordReread(RecordPlace record) {
    std::unordered_map<std::string, int> first;
    for (int k = document_.Advances().Count(); k >= 1; --k)
        first[document_.Advances().At(k).abbrev] = k;
    if (first != firstWithAbbrev_) return false;
    for (std::vector<Mention>& list : mentions_)
        std::erase_if(list, [&](const Mention& m) {
            return m.field && m.field->section == record.section && m.field->record == record.record;
        });
    for (int field = 0; field < FieldCount(record.section); ++field)
        AddMentionsOf({record.section, record.record, field});
    return true;
}

void DocumentMap::MapMentions() {
    mentions_.assign(static_cast<std::size_t>(document_.Advances().Count()) + 1, {});
    const LineStore& lines = document_.Lines();
    const auto add = [&](int number, Mention mention) {
        if (number > 0) mentions_[static_cast<std::size_t>(number)].push_back(std::move(mention));
    };
    for (const SectionPlace& section : sections_) {
        for (int line = section.header + 1; line < section.end; ++line) {
            const std::string_view text = lines.GetLine(line);
            if (section.table) {
                const std::optional<RecordPlace> record = RecordOn(line);
                if (!record) continue;
                for (int field = 0; field < FieldCount(record->section); ++field)
                    AddMentionsOf({record->section, record->record, field});
                continue;
            }
            // Lines of other sections: their fields run between commas and
            // semicolons; a remark line starts with ";".
            if (text.empty() || text.front() == ';') continue;
            std::size_t start = 0;
            while (start <= text.size()) {
                std::size_t end = text.find_first_of(",;", start);
                if (end == std::string_view::npos) end = text.size();
                std::size_t begin = start, stop = end;
                while (begin < stop && text[begin] == ' ') ++begin;
                while (stop > begin && text[stop - 1] == ' ') --stop;
                if (stop > begin)
                    add(AdvanceNamed(std::string(text.substr(begin, stop - begin))),
                        {{{line, static_cast<int>(begin)}, {line, static_cast<int>(stop)}},
                         std::nullopt});
                start = end + 1;
            }
        }
    }
}

}  // namespace rules::language
