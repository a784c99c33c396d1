// The language server's document read again line by line as it is typed
// in, against the same text read afresh: after every keystroke of a random
// sequence (digits and letters typed into records and free text, lines
// broken and joined), the diagnostics and the places naming each advance
// must be the same.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "rules/language/diagnostics.h"
#include "rules/language/document_map.h"
#include "rules/language/open_document.h"
#include "rules_file_generator.h"

namespace rules::language {
namespace {

std::string Point(TextPoint p) { return std::to_string(p.line) + ":" + std::to_string(p.column); }
std::string Range(TextRange r) { return Point(r.start) + "-" + Point(r.end); }

// Everything a client is told, as one text to compare.
std::string Told(const OpenDocument& document) {
    std::ostringstream out;
    for (const Diagnostic& d : Diagnose(document, {})) {
        out << Range(d.range) << ' ' << static_cast<int>(d.severity) << ' ' << d.code << ' '
            << d.message << '\n';
        for (const RelatedPlace& r : d.related) out << "  " << Range(r.range) << ' ' << r.message << '\n';
    }
    const DocumentMap& map = document.Map();
    for (int k = 1; k <= document.Rules().Advances().Count(); ++k)
        for (const Mention& m : map.MentionsOf(k)) out << k << " named at " << Range(m.range) << '\n';
    return out.str();
}

TEST(OpenDocumentProperty, ReadLineByLineAsReadAfresh) {
    testing::RulesFileGenerator generator(53);
    std::mt19937 random(7);
    const auto below = [&](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); };
    const char* const kTyped[] = {"7", "x", ",", "nil", "", "", "\xC3\xA9", "\xE2\x82\xAC", "\xE2\x98\x83"};
    for (int file = 0; file < 6; ++file) {
        OpenDocument typed(Language::English, generator.Next().bytes);
        ASSERT_EQ(Told(typed), Told(OpenDocument(Language::English, typed.Text().Utf8())));
        for (int step = 0; step < 60; ++step) {
            const int line = below(typed.Text().LineCount());
            const int length = static_cast<int>(typed.Text().Line(line).size());
            const TextPoint at{line, length == 0 ? 0 : below(length + 1)};
            // Mostly one character typed or taken back; now and then a line
            // broken in two or joined with the next.
            const int kind = below(20);
            if (kind == 0)
                typed.Replace(at, at, "\r\n");
            else if (kind == 1)
                typed.Replace({line, length}, {line + 1, 0}, "");
            else if (kind < 8)
                typed.Replace(at, {at.line, at.column + 1}, "");
            else
                typed.Replace(at, at, kTyped[below(9)]);
            ASSERT_EQ(Told(typed), Told(OpenDocument(Language::English, typed.Text().Utf8())))
                << "file " << file << ", after keystroke " << step;
        }
    }
}

}  // namespace
}  // namespace rules::language
