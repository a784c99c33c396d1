#pragma once

#include <string>
#include <vector>

#include "rules/tree/tech_tree.h"

namespace rules {

// Colours of the drawn tree, as "#rrggbb", shared by every picture of it:
// the DOT and its renderings, and the editor's own drawing.
struct TreeColours {
    static const char* EpochFill(int epoch);   // a pale colour per epoch; white for none
    static const char* NodeBorder() { return "#5a5a5a"; }
    static const char* Edge() { return "#6b6b6b"; }
    static const char* Fault() { return "#c0392b"; }  // circles and unknown prerequisites
};

// The face the boxes are sized for and drawn in.
inline constexpr const char* kTreeFont = "Liberation Sans";

// The text of an advance's box, line by line (file bytes, not yet UTF-8).
// The layout runs left to right, so the width of the widest box in a column
// costs every column that much: a long name is broken in two at the space
// that balances the lines best, and each unit gets a line of its own
// (marked as brought or retired), so that the whole tree
// fits a page at a larger scale.
struct TreeLabel {
    std::vector<std::string> nameLines;
    struct Unit {
        bool brought = true;  // false: retired
        std::string name;
    };
    std::vector<Unit> unitLines;
};
TreeLabel TreeLabelOf(const TechNode& node);

// The tree in the DOT language (UTF-8): one node per advance, its
// abbreviation as its identity and its name (and the units it brings and
// retires) as its label, one "->" edge per prerequisite that names a known
// advance, laid out left to right, each advance filled in its epoch's colour.
// Each node carries its advance's number ("advance") and each edge its index
// ("link"), so that a laid-out graph can be matched to the tree again.
// With `part`, only its advances and links.
std::string TreeToDot(const TechTree& tree, const TreePart* part = nullptr);

}  // namespace rules
