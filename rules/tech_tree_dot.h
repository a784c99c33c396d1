#pragma once

#include <string>
#include <vector>

#include "rules/tech_tree.h"

namespace rules {

// Colours of the drawn tree, as "#rrggbb", shared by every picture of it.
struct TreeColours {
    static const char* EpochFill(int epoch);    // a pale colour per epoch; grey for none
    static const char* EpochFrame(int epoch);   // the frame of an epoch's group
    static const char* Fault() { return "#c0392b"; }  // circles and unknown prerequisites
};

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
// advance, laid out left to right with the epochs as groups in their order.
// Each node carries its advance's number ("advance") and each edge its index
// ("link"), so that a laid-out graph can be matched to the tree again.
std::string TreeToDot(const TechTree& tree);

}  // namespace rules
