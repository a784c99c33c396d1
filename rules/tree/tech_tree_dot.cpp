#include "rules/tree/tech_tree_dot.h"

#include <algorithm>
#include <unordered_set>

#include "rules/document/cp1252.h"

namespace rules {

namespace {

// The file's bytes as UTF-8, with control characters (which Graphviz's
// parsers refuse, or take for the end of the text) as spaces; line breaks
// are kept where asked for.
std::string Printable(std::string_view bytes, bool keepLineBreaks = false) {
    std::string text = Cp1252ToUtf8(bytes);
    for (char& c : text) {
        if (c == '\n' && keepLineBreaks) continue;
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    }
    return text;
}

// A DOT quoted text that Graphviz expands escapes in (a tool tip), of UTF-8
// text. Backslashes are doubled so that a name never reads as one of the
// escapes ("\N", "\G", ...); line breaks become "\n".
std::string EscapedText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

// A node's name as Graphviz reads it back from QuotedName(). Its reader keeps
// backslashes as they are, except that a pair reads as a pair and one
// before a quote escapes it: a run of an odd number of backslashes cannot
// end the name or stand before a quote, so such a run gets one more.
std::string DotName(std::string_view text) {
    std::string name;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] != '\\') {
            name += text[at++];
            continue;
        }
        std::size_t end = text.find_first_not_of('\\', at);
        if (end == std::string_view::npos) end = text.size();
        name.append(end - at, '\\');
        if ((end - at) % 2 == 1 && (end == text.size() || text[end] == '"')) name += '\\';
        at = end;
    }
    return name;
}

// A DotName() as a DOT quoted id: only its quotes are escaped, so that the
// id reads back as the name, a backslash as one backslash.
std::string QuotedName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

// Text inside an HTML-like label.
std::string Html(std::string_view bytes) {
    std::string out;
    for (char c : Printable(bytes)) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string NodeStatement(const TechTree& tree, int index, const std::string& id) {
    const TechNode& node = tree.Nodes()[index];
    const TreeLabel text = TreeLabelOf(node);
    std::string label = "<";
    for (std::size_t i = 0; i < text.nameLines.size(); ++i) {
        label += (i ? "<BR/>" : "") + Html(text.nameLines[i]);
    }
    for (const TreeLabel::Unit& unit : text.unitLines) {
        label += "<BR/><FONT POINT-SIZE=\"8\">" + std::string(unit.brought ? "+" : "&#8722;") +
                 Html(unit.name) + "</FONT>";
    }
    label += ">";
    std::string out = "    " + QuotedName(id) + " [label=" + label;
    out += ", fillcolor=\"" + std::string(TreeColours::EpochFill(node.epoch)) + "\"";
    if (node.inCircle || node.neverAvailable || !node.unknownPrereqs.empty()) {
        out += ", color=\"" + std::string(TreeColours::Fault()) + "\", penwidth=2";
        if (!node.unknownPrereqs.empty() || node.neverAvailable)
            out += ", style=\"rounded,filled,dashed\"";
    }
    out += ", tooltip=" + EscapedText(Printable(tree.Describe(index), true));
    out += ", advance=" + std::to_string(node.number) + "];\n";
    return out;
}

// Names up to this many bytes stay on one line.
constexpr std::size_t kLongName = 10;

}  // namespace

TreeLabel TreeLabelOf(const TechNode& node) {
    TreeLabel label;
    const std::string& name = node.name;
    // The space that leaves the shorter longest line; none for a short name
    // or one without an inner space.
    std::size_t best = std::string::npos;
    std::size_t bestLongest = name.size();
    if (name.size() > kLongName) {
        for (std::size_t at = name.find(' '); at != std::string::npos;
             at = name.find(' ', at + 1)) {
            if (at == 0 || at + 1 == name.size()) continue;
            const std::size_t longest = std::max(at, name.size() - at - 1);
            if (longest < bestLongest) {
                best = at;
                bestLongest = longest;
            }
        }
    }
    if (best == std::string::npos) {
        label.nameLines.push_back(name);
    } else {
        label.nameLines.push_back(name.substr(0, best));
        label.nameLines.push_back(name.substr(best + 1));
    }
    for (const std::string& unit : node.unitsBrought) label.unitLines.push_back({true, unit});
    for (const std::string& unit : node.unitsRetired) label.unitLines.push_back({false, unit});
    return label;
}

const char* TreeColours::EpochFill(int epoch) {
    static const char* const kFill[kEpochCount] = {"#f2e3c6", "#ead1dc", "#dcdcdc", "#fff2a8"};
    return epoch >= 0 && epoch < kEpochCount ? kFill[epoch] : "#ffffff";
}

std::string TreeToDot(const TechTree& tree, const TreePart* part) {
    const std::vector<TechNode>& nodes = tree.Nodes();
    const std::vector<TechEdge>& edges = tree.Edges();
    std::vector<bool> nodeShown(nodes.size(), part == nullptr);
    std::vector<bool> edgeShown(edges.size(), part == nullptr);
    if (part) {
        for (int index : part->nodes) {
            if (index >= 0 && index < static_cast<int>(nodes.size())) nodeShown[index] = true;
        }
        for (int index : part->edges) {
            // A link is drawn only between advances that are drawn.
            if (index >= 0 && index < static_cast<int>(edges.size()) && nodeShown[edges[index].from] &&
                nodeShown[edges[index].to])
                edgeShown[index] = true;
        }
    }

    std::string out = "digraph \"advances\" {\n";
    out += "  graph [rankdir=LR, charset=\"UTF-8\", fontname=\"" + std::string(kTreeFont) +
           "\", fontsize=14, nodesep=0.12, ranksep=0.2, newrank=true, bgcolor=\"white\"];\n";
    out += "  node [shape=box, style=\"rounded,filled\", fontname=\"" + std::string(kTreeFont) +
           "\", fontsize=10, margin=\"0.05,0.02\", height=0.3, color=\"" +
           std::string(TreeColours::NodeBorder()) + "\"];\n";
    out += "  edge [color=\"" + std::string(TreeColours::Edge()) + "\", arrowsize=0.6];\n";

    // The node names as Graphviz reads them: still one per advance once
    // control characters became spaces and backslashes were evened out.
    std::vector<std::string> ids;
    std::unordered_set<std::string> taken;
    for (const TechNode& node : nodes) {
        std::string id = DotName(Printable(node.id));
        while (taken.count(id)) id.append("~").append(std::to_string(node.number));
        taken.insert(id);
        ids.push_back(std::move(id));
    }
    // The epochs show in the fill colours only: boxes around them would bind
    // each epoch's advances together, and the links between epochs would
    // cross twice as often and the fitted tree be drawn smaller.
    for (int index = 0; index < static_cast<int>(nodes.size()); ++index) {
        if (nodeShown[index]) out += NodeStatement(tree, index, ids[index]);
    }

    for (int index = 0; index < static_cast<int>(edges.size()); ++index) {
        if (!edgeShown[index]) continue;
        const TechEdge& edge = edges[index];
        out += "  " + QuotedName(ids[edge.from]) + " -> " + QuotedName(ids[edge.to]) +
               " [link=" + std::to_string(index);
        if (edge.inCircle)
            out += ", color=\"" + std::string(TreeColours::Fault()) + "\", penwidth=2";
        out += "];\n";
    }
    out += "}\n";
    return out;
}

}  // namespace rules
