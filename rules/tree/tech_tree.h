#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/document/advance_table.h"
#include "rules/document/unit_table.h"

namespace rules {

// One advance in the tree. Texts are the file's Windows-1252 bytes.
struct TechNode {
    int number = 0;  // the advance's number in the table, from 1
    // Unique within the tree: the abbreviation, or, for an abbreviation an
    // earlier advance already has (or an empty one), the abbreviation with
    // "~" and the number, so that no two advances merge into one node.
    std::string id;
    std::string abbrev;
    std::string name;
    std::string aiValue;
    std::string modifier;
    int epoch = -1;     // 0 Ancient .. 3 Modern; -1 for any other text
    int category = -1;  // 0 Military .. 4 Applied; -1 for any other text
    // Prerequisites that are neither "nil"/"no" nor a known abbreviation.
    std::vector<std::string> unknownPrereqs;
    std::vector<std::string> unitsBrought;  // units whose prerequisite it is
    std::vector<std::string> unitsRetired;  // units it makes obsolete
    bool repeatedAbbrev = false;            // look-ups find an earlier advance instead
    bool inCircle = false;                  // needs itself, directly or through a chain
    bool neverAvailable = false;            // needs an advance of a circle
};

// "Prerequisite `from` is needed by `to`" (indexes into Nodes()).
struct TechEdge {
    int from = 0;
    int to = 0;
    bool inCircle = false;  // both ends in the same circle
    int slot = 1;           // the prerequisite field of `to` it comes from: 1 or 2
};

// Some of the tree's nodes and edges (indexes, ascending).
struct TreePart {
    std::vector<int> nodes;
    std::vector<int> edges;
};

// The advances as a graph: one node per advance, one edge from each
// prerequisite that names a known advance to the advance that needs it. A
// prerequisite naming nothing known is kept on its node, never dropped; the
// circles the rules check finds, and what waits on them, are marked.
class TechTree {
  public:
    static TechTree Build(const AdvanceTable& advances, const UnitTable& units);

    const std::vector<TechNode>& Nodes() const { return nodes_; }
    const std::vector<TechEdge>& Edges() const { return edges_; }
    // Index of the node of advance `number` (they are in table order).
    static int IndexOfAdvance(int number) { return number - 1; }

    // Everything `node` needs, all the way back / everything it opens, all
    // the way forward; each node once, `node` itself left out, circles safe.
    std::vector<int> Ancestors(int node) const;
    std::vector<int> Descendants(int node) const;

    // The whole tree, or only `node` with everything it needs and everything
    // it opens, and the links among those advances (no others).
    TreePart Whole() const;
    TreePart FocusOn(int node) const;

    // Advances whose name or abbreviation contains `text`, letter case
    // ignored (Windows-1252 letters too); none for an empty text.
    std::vector<int> Find(std::string_view text) const;
    // The node of the first advance with this abbreviation, as the game's
    // look-ups find it; -1 when none has it.
    int NodeOfAbbrev(std::string_view abbrev) const;

    // Several lines for a tool tip: name, abbreviation, epoch, category, AI
    // value and modifier, what it needs, what it opens, the units it brings
    // and retires, and any fault in its prerequisites.
    std::string Describe(int node) const;

  private:
    std::vector<int> Reach(int node, bool forward) const;

    std::vector<TechNode> nodes_;
    std::vector<TechEdge> edges_;
    std::vector<std::vector<int>> into_;   // per node: indexes of edges ending there
    std::vector<std::vector<int>> outOf_;  // per node: indexes of edges starting there
};

// The numbers of the advances whose name or abbreviation contains `text`,
// as TechTree::Find matches them, without building a tree; none for an
// empty text.
std::vector<int> FindAdvances(const AdvanceTable& advances, std::string_view text);

}  // namespace rules
