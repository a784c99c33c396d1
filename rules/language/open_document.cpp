#include "rules/language/open_document.h"

#include "rules/document/cp1252.h"
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
    : language_(language), text_(std::move(utf8)) {}
OpenDocument::~OpenDocument() = default;
OpenDocument::OpenDocument(OpenDocument&&) noexcept = default;
OpenDocument& OpenDocument::operator=(OpenDocument&&) noexcept = default;

void OpenDocument::SetText(std::string utf8) {
    text_ = EditorText(std::move(utf8));
    fresh_ = false;
}

void OpenDocument::Replace(TextPoint from, TextPoint to, std::string_view utf8) {
    text_.Replace(from, to, utf8);
    fresh_ = false;
}

void OpenDocument::Refresh() const {
    if (fresh_) return;
    unstorable_.clear();
    rules_.LoadBytes(ToFileBytes(text_.Utf8(), &unstorable_), language_);
    rules_.Parse();
    map_ = std::make_unique<DocumentMap>(rules_);
    fresh_ = true;
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
