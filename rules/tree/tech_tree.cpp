#include "rules/tree/tech_tree.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "rules/check/prerequisite_circles.h"
#include "rules/document/cp1252.h"
#include "rules/document/field_table.h"

namespace rules {

namespace {

// A plain decimal index in [0, limit); -1 for anything else.
int IndexIn(std::string_view text, int limit) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value >= limit)
        return -1;
    return value;
}

void AppendList(std::string& out, const char* caption, const std::vector<std::string>& items) {
    if (items.empty()) return;
    out += '\n';
    out += caption;
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += i == 0 ? " " : ", ";
        out += items[i];
    }
}

std::string Folded(std::string_view text) {
    std::string folded;
    for (char c : text) folded += static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
    return folded;
}

bool ContainsFolded(std::string_view text, const std::string& foldedPart) {
    if (foldedPart.size() > text.size()) return false;
    for (std::size_t at = 0; at + foldedPart.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < foldedPart.size() &&
               FoldCase(static_cast<unsigned char>(text[at + i])) == static_cast<unsigned char>(foldedPart[i]))
            ++i;
        if (i == foldedPart.size()) return true;
    }
    return false;
}

}  // namespace

TechTree TechTree::Build(const AdvanceTable& advances, const UnitTable& units) {
    TechTree tree;
    const int count = advances.Count();
    tree.nodes_.resize(count);
    tree.into_.resize(count);
    tree.outOf_.resize(count);
    // The links the game follows: a look-up takes the first advance with an
    // abbreviation.
    const PrerequisiteLinks links(advances);

    std::unordered_set<std::string> ids;
    for (int number = 1; number <= count; ++number) {
        const AdvanceRecord& record = advances.At(number);
        TechNode& node = tree.nodes_[IndexOfAdvance(number)];
        node.number = number;
        node.abbrev = record.abbrev;
        node.name = record.name;
        node.aiValue = record.aiValue;
        node.modifier = record.modifier;
        node.epoch = IndexIn(record.epoch, kEpochCount);
        node.category = IndexIn(record.category, kCategoryCount);
        node.repeatedAbbrev = !IsNoAdvance(record.abbrev) && links.Lookup(record.abbrev) != number;
        node.inCircle = links.CircleOf(number) >= 0;
        node.neverAvailable = links.BlockingCircleOf(number) >= 0;
        node.id = record.abbrev;
        if (node.id.empty() || ids.count(node.id))
            node.id.append("~").append(std::to_string(number));
        // Even "X~3" may be some other advance's real abbreviation.
        while (ids.count(node.id)) node.id += "~";
        ids.insert(node.id);

        int slot = 0;
        for (const std::string* prereq : {&record.prereq1, &record.prereq2}) {
            ++slot;
            if (IsNoAdvance(*prereq)) continue;
            const int from = links.Lookup(*prereq);
            if (from == 0) {
                node.unknownPrereqs.push_back(*prereq);
                continue;
            }
            const int edge = static_cast<int>(tree.edges_.size());
            const int circle = links.CircleOf(from);
            tree.edges_.push_back({IndexOfAdvance(from), IndexOfAdvance(number),
                                   circle >= 0 && circle == links.CircleOf(number), slot});
            tree.outOf_[IndexOfAdvance(from)].push_back(edge);
            tree.into_[IndexOfAdvance(number)].push_back(edge);
        }
    }

    for (int number = 1; number <= units.Count(); ++number) {
        const UnitRecord& unit = units.At(number);
        if (const int brings = links.Lookup(unit.prereq)) {
            tree.nodes_[IndexOfAdvance(brings)].unitsBrought.push_back(unit.name);
        }
        if (const int retires = links.Lookup(unit.obsoleteBy)) {
            tree.nodes_[IndexOfAdvance(retires)].unitsRetired.push_back(unit.name);
        }
    }
    return tree;
}

std::vector<int> TechTree::Reach(int node, bool forward) const {
    std::vector<int> found;
    if (node < 0 || node >= static_cast<int>(nodes_.size())) return found;
    std::vector<bool> seen(nodes_.size(), false);
    seen[node] = true;
    std::vector<int> pending{node};
    while (!pending.empty()) {
        const int at = pending.back();
        pending.pop_back();
        for (int edge : forward ? outOf_[at] : into_[at]) {
            const int next = forward ? edges_[edge].to : edges_[edge].from;
            if (seen[next]) continue;
            seen[next] = true;
            found.push_back(next);
            pending.push_back(next);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<int> TechTree::Ancestors(int node) const { return Reach(node, false); }
std::vector<int> TechTree::Descendants(int node) const { return Reach(node, true); }

TreePart TechTree::Whole() const {
    TreePart part;
    for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) part.nodes.push_back(i);
    for (int i = 0; i < static_cast<int>(edges_.size()); ++i) part.edges.push_back(i);
    return part;
}

TreePart TechTree::FocusOn(int node) const {
    TreePart part;
    if (node < 0 || node >= static_cast<int>(nodes_.size())) return part;
    std::vector<bool> kept(nodes_.size(), false);
    kept[node] = true;
    for (int other : Ancestors(node)) kept[other] = true;
    for (int other : Descendants(node)) kept[other] = true;
    for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) {
        if (kept[i]) part.nodes.push_back(i);
    }
    for (int i = 0; i < static_cast<int>(edges_.size()); ++i) {
        if (kept[edges_[i].from] && kept[edges_[i].to]) part.edges.push_back(i);
    }
    return part;
}

std::vector<int> TechTree::Find(std::string_view text) const {
    std::vector<int> found;
    if (text.empty()) return found;
    const std::string folded = Folded(text);
    for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) {
        if (ContainsFolded(nodes_[i].name, folded) || ContainsFolded(nodes_[i].abbrev, folded))
            found.push_back(i);
    }
    return found;
}

std::vector<int> FindAdvances(const AdvanceTable& advances, std::string_view text) {
    std::vector<int> found;
    if (text.empty()) return found;
    const std::string folded = Folded(text);
    for (int number = 1; number <= advances.Count(); ++number) {
        const AdvanceRecord& advance = advances.At(number);
        if (ContainsFolded(advance.name, folded) || ContainsFolded(advance.abbrev, folded))
            found.push_back(number);
    }
    return found;
}

int TechTree::NodeOfAbbrev(std::string_view abbrev) const {
    for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) {
        if (nodes_[i].abbrev == abbrev) return i;
    }
    return -1;
}

std::string TechTree::Describe(int index) const {
    const TechNode& node = nodes_.at(index);
    std::string out = node.name + " (" + node.abbrev + ")";
    out += "\nEpoch: ";
    out += node.epoch >= 0 ? EpochName(node.epoch) : "none";
    out += ", category: ";
    out += node.category >= 0 ? CategoryName(node.category) : "none";
    out += "\nAI value " + node.aiValue + ", modifier " + node.modifier;

    std::vector<std::string> needs;
    std::vector<std::string> opens;
    // An advance that names the same prerequisite twice is listed once.
    int last = -1;
    for (int edge : into_[index]) {
        if (edges_[edge].from != last) needs.push_back(nodes_[edges_[edge].from].name);
        last = edges_[edge].from;
    }
    last = -1;
    for (int edge : outOf_[index]) {
        if (edges_[edge].to != last) opens.push_back(nodes_[edges_[edge].to].name);
        last = edges_[edge].to;
    }
    if (needs.empty() && node.unknownPrereqs.empty()) needs.push_back("nothing");
    for (const std::string& unknown : node.unknownPrereqs) {
        needs.push_back("\"" + unknown + "\" (no advance has this abbreviation)");
    }
    AppendList(out, "Needs:", needs);
    AppendList(out, "Opens:", opens);
    AppendList(out, "Brings units:", node.unitsBrought);
    AppendList(out, "Retires units:", node.unitsRetired);
    if (node.repeatedAbbrev)
        out += "\nAn earlier advance has the same abbreviation: look-ups find that one";
    if (node.inCircle) out += "\nNeeds itself through a circle of prerequisites: never available";
    if (node.neverAvailable)
        out += "\nNeeds an advance of a circle of prerequisites: never available";
    return out;
}

}  // namespace rules
