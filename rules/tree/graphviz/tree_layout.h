#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/status.h"
#include "rules/tree/tech_tree.h"

namespace rules {

// Coordinates are points (1/72 inch), x to the right and y downwards from
// the top left corner of the whole picture.
struct TreePoint {
    double x = 0;
    double y = 0;
};

struct LaidNode {
    int node = 0;  // index into TechTree::Nodes()
    TreePoint centre;
    double width = 0;
    double height = 0;
};

struct LaidEdge {
    int edge = 0;  // index into TechTree::Edges()
    // A cubic Bezier path: a start point, then three points per segment.
    std::vector<TreePoint> curve;
    // The arrow runs from the end of the curve to this tip.
    std::optional<TreePoint> arrowTip;
};

struct TreeLayout {
    double width = 0;
    double height = 0;
    std::vector<LaidNode> nodes;
    std::vector<LaidEdge> edges;
};

enum class TreeFormat { Dot, Svg, Png };

// ".dot", ".svg", ".png" (letter case ignored); nothing for anything else.
std::optional<TreeFormat> TreeFormatOfFileName(std::string_view fileName);

// Lays the tree (or only `part` of it) out with Graphviz's "dot", left to right.
Status LayOutTree(const TechTree& tree, TreeLayout& layout, const TreePart* part = nullptr);

// Lays out `dot`, the DOT that TreeToDot gives for `tree` (perhaps with
// other settings, to compare layouts).
Status LayOutDot(const TechTree& tree, const std::string& dot, TreeLayout& layout);

// The tree (or only `part` of it) as a file of that format: DOT text as
// TreeToDot gives it, or a picture of the laid-out tree.
Status RenderTree(const TechTree& tree, TreeFormat format, std::string& bytes, const TreePart* part = nullptr);

// How readable a laid-out tree is when fitted into a view of `viewWidth` by
// `viewHeight` pixels: the scale it is drawn at (1 is the picture's own
// size, at which its 10-point names are meant to be read) and how many pairs
// of links cross (links that share an advance are not counted: they meet
// there anyway).
struct TreeReadability {
    double fittedScale = 0;
    int crossings = 0;
};
TreeReadability MeasureReadability(const TechTree& tree, const TreeLayout& layout, double viewWidth,
                                   double viewHeight);

}  // namespace rules
