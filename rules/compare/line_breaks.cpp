#include "rules/compare/line_breaks.h"

namespace rules {

namespace {

// Calls `line(text, lineBreak)` for each line of `bytes`.
template <typename Line>
void EachLine(std::string_view bytes, Line&& line) {
    std::size_t start = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] != '\r' && bytes[at] != '\n') continue;
        const std::size_t length = bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n' ? 2 : 1;
        line(bytes.substr(start, at - start), bytes.substr(at, length));
        at += length - 1;
        start = at + 1;
    }
    if (start < bytes.size()) line(bytes.substr(start), std::string_view());
}

}  // namespace

std::vector<std::string_view> LineBreaks(std::string_view bytes) {
    std::vector<std::string_view> breaks;
    EachLine(bytes, [&breaks](std::string_view, std::string_view lineBreak) { breaks.push_back(lineBreak); });
    return breaks;
}

std::string_view UsualBreak(const std::vector<std::string_view>& breaks) {
    std::size_t crLf = 0, lf = 0, cr = 0;
    for (const std::string_view lineBreak : breaks) {
        if (lineBreak == "\r\n") ++crLf;
        else if (lineBreak == "\n") ++lf;
        else if (lineBreak == "\r") ++cr;
    }
    if (lf > crLf && lf >= cr) return "\n";
    if (cr > crLf && cr > lf) return "\r";
    return "\r\n";
}

void AppendLine(std::string& out, std::string_view text, std::string_view lineBreak) {
    if (text.empty() && lineBreak == "\n" && !out.empty() && out.back() == '\r') lineBreak = "\r\n";
    out.append(text);
    out.append(lineBreak);
}

std::string WithBreaks(std::string_view bytes, const std::vector<std::string_view>& breaks) {
    const std::string_view usual = UsualBreak(breaks);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    std::size_t k = 0;
    EachLine(bytes, [&](std::string_view text, std::string_view lineBreak) {
        AppendLine(out, text,
                   lineBreak.empty()                          ? lineBreak
                   : k < breaks.size() && !breaks[k].empty() ? breaks[k]
                                                              : usual);
        ++k;
    });
    return out;
}

}  // namespace rules
