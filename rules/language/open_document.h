#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rules/check/check_state.h"
#include "rules/document/language.h"
#include "rules/document/rules_document.h"
#include "rules/language/editor_text.h"
#include "rules/language/text_places.h"

namespace rules::language {

class DocumentMap;

// A rules file open in a text editor: the text the editor holds, and the
// rules document read from that text turned into the file's Windows-1252
// bytes. Every answer the language server gives is computed from these two.
class OpenDocument {
  public:
    OpenDocument(Language language, std::string utf8);
    ~OpenDocument();
    OpenDocument(OpenDocument&&) noexcept;
    OpenDocument& operator=(OpenDocument&&) noexcept;

    const EditorText& Text() const { return text_; }
    Language GetLanguage() const { return language_; }

    void SetText(std::string utf8);
    void Replace(TextPoint from, TextPoint to, std::string_view utf8);

    // Read again after each change, when first asked for: only the line of
    // a change that stays within one line of a unit, an advance or the free
    // text between sections; the whole text after any other.
    const RulesDocument& Rules() const;
    // Where the sections, records and advance names stand.
    const DocumentMap& Map() const;
    // Characters of the text that Windows-1252 lacks (each read as "?"), in
    // text order: the rules file cannot hold them.
    const std::vector<TextPoint>& Unstorable() const;
    // The rules check of the text as it stands, kept between changes so that
    // one checks again only what it touched.
    const Problems& CheckedProblems(const CheckChoice& choice) const;

  private:
    void Refresh() const;
    // Reads one changed line again in place; false when the change may
    // reach beyond it, and the whole text must be read again.
    bool Reread(int line);
    void TakeUnstorable(int line, std::string_view utf8);

    Language language_;
    EditorText text_;
    mutable bool fresh_ = false;
    mutable RulesDocument rules_;
    mutable std::vector<TextPoint> unstorable_;
    mutable std::unique_ptr<DocumentMap> map_;
    mutable CheckState check_;
    mutable bool checked_ = false;  // check_ holds the text as it stands
};

// The editor's text as the rules file's bytes, one byte per character. A
// character Windows-1252 lacks becomes "?" and its place is added to
// `unstorable`. The C1 controls U+0080 to U+009F stand for the bytes of the
// same value, which is what an editor that read the file as Latin-1 holds
// where the file has "€", curly quotes and the like.
std::string ToFileBytes(std::string_view utf8, std::vector<TextPoint>* unstorable);

}  // namespace rules::language
