#pragma once

// A copy of a rules file in which every field of every record is edited and
// every line outside them changed: the most a comparison or a merge can meet.

#include <string>

#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"

inline std::string EverythingEdited(const std::string& bytes) {
    rules::RulesDocument document;
    document.LoadBytes(bytes, rules::Language::English);
    document.Parse();
    for (const rules::SectionId section :
         {rules::SectionId::Cosmic, rules::SectionId::Advances, rules::SectionId::Units}) {
        for (int r = 1; r <= rules::RecordCount(document, section); ++r) {
            for (int f = 0; f < rules::FieldCount(section); ++f) {
                const rules::FieldRef ref{section, r, f};
                rules::SetFieldText(document, ref, rules::FieldText(document, ref) + "9");
            }
        }
    }
    document.Render();
    rules::LineStore& lines = document.Lines();
    for (int k = 0; k < lines.LineCount(); ++k) lines.PutLine(k, std::string(lines.GetLine(k)) + "~");
    return lines.SaveBytes();
}
