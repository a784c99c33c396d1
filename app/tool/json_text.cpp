#include "app/tool/json_text.h"

namespace tool {

namespace {

// Bytes that are not UTF-8 become U+FFFD rather than invalid JSON; the
// writers pass file names through rules::ValidUtf8 first, so that these
// stay readable.
std::string Dumped(const Json& value, int indent) {
    return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

std::string OneLine(const Json& value) {
    if (value.is_object() && !value.empty()) {
        std::string out = "{";
        for (auto item = value.begin(); item != value.end(); ++item)
            out += (item == value.begin() ? "" : ", ") + Dumped(Json(item.key()), -1) + ": " +
                   OneLine(item.value());
        return out + "}";
    }
    if (value.is_array() && !value.empty()) {
        std::string out = "[";
        for (auto item = value.begin(); item != value.end(); ++item)
            out += (item == value.begin() ? "" : ", ") + OneLine(*item);
        return out + "]";
    }
    return Dumped(value, -1);
}

// The top level, and the arrays directly in it, one item a line; anything
// else on one line.
std::string Opened(const Json& value, const std::string& indent, bool top) {
    const bool open = value.is_structured() && !value.empty() && (top || value.is_array());
    if (!open) return OneLine(value);
    const std::string inner = indent + "  ";
    std::string out = value.is_object() ? "{\n" : "[\n";
    for (auto item = value.begin(); item != value.end(); ++item) {
        out += (item == value.begin() ? "" : ",\n") + inner;
        if (value.is_object()) out += Dumped(Json(item.key()), -1) + ": ";
        out += top ? Opened(item.value(), inner, false) : OneLine(item.value());
    }
    return out + "\n" + indent + (value.is_object() ? "}" : "]");
}

}  // namespace

std::string JsonLines(const Json& document) { return Opened(document, "", true) + "\n"; }

std::string JsonIndented(const Json& document) { return Dumped(document, 2) + "\n"; }

const char* SectionKey(rules::SectionId section) {
    switch (section) {
        case rules::SectionId::Cosmic: return "cosmic";
        case rules::SectionId::Advances: return "advances";
        case rules::SectionId::Units: return "units";
    }
    return "";
}

}  // namespace tool
