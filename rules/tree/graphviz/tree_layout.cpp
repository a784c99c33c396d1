#include "rules/tree/graphviz/tree_layout.h"

#include <graphviz/gvc.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "rules/tree/tech_tree_dot.h"

// Exported by libgvc, though missing from its installed headers: measures a
// text the way the layout does.
extern "C" pointf textspan_size(GVC_t* gvc, textspan_t* span);

namespace rules {

namespace {

// Graphviz's text measuring (its pango plugin) remembers the font name of
// the last text it measured by pointer, and that name belongs to the graph:
// once the graph is freed the next layout compares against freed memory.
// Measuring one text in a font name of our own, at a size no graph uses,
// moves that pointer to memory that stays.
void ReleaseRememberedFont(GVC_t* context) {
    static char face[] = "Liberation Sans";
    static char text[] = "x";
    textfont_t font{};
    font.name = face;
    font.size = 1.0;
    textspan_t span{};
    span.str = text;
    span.font = &font;
    span.just = 'n';
    textspan_size(context, &span);
    if (span.free_layout && span.layout) span.free_layout(span.layout);
}

std::string& LastGraphvizMessage() {
    static std::string message;
    return message;
}

// Graphviz reports through a process-wide hook; its messages are kept for
// the error we return instead of going to standard error.
int KeepMessage(char* text) {
    std::string& message = LastGraphvizMessage();
    message = text;
    while (!message.empty() && std::isspace(static_cast<unsigned char>(message.back()))) message.pop_back();
    return 0;
}

// One graph read from DOT and laid out, released in the order Graphviz needs.
class LaidGraph {
public:
    explicit LaidGraph(const std::string& dot) {
        LastGraphvizMessage().clear();
        previousHook_ = agseterrf(KeepMessage);
        context_ = gvContext();
        if (context_) graph_ = agmemread(dot.c_str());
        if (graph_) laidOut_ = gvLayout(context_, graph_, "dot") == 0;
    }
    ~LaidGraph() {
        if (laidOut_) gvFreeLayout(context_, graph_);
        if (graph_) {
            ReleaseRememberedFont(context_);
            agclose(graph_);
        }
        if (context_) gvFreeContext(context_);
        agseterrf(previousHook_);
    }
    LaidGraph(const LaidGraph&) = delete;
    LaidGraph& operator=(const LaidGraph&) = delete;

    Status Outcome() const {
        if (laidOut_) return Status::Ok();
        std::string text = "The tree could not be laid out";
        if (!context_ || !graph_ || LastGraphvizMessage().empty()) return Status::Error(text);
        return Status::Error(text + " (Graphviz: " + LastGraphvizMessage() + ")");
    }
    GVC_t* Context() const { return context_; }
    Agraph_t* Graph() const { return graph_; }

private:
    agusererrf previousHook_ = nullptr;
    GVC_t* context_ = nullptr;
    Agraph_t* graph_ = nullptr;
    bool laidOut_ = false;
};

int IntAttribute(void* object, const char* name) {
    char* text = agget(object, const_cast<char*>(name));
    return text && *text ? std::atoi(text) : -1;
}

}  // namespace

std::optional<TreeFormat> TreeFormatOfFileName(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    std::string extension(fileName.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "dot") return TreeFormat::Dot;
    if (extension == "svg") return TreeFormat::Svg;
    if (extension == "png") return TreeFormat::Png;
    return std::nullopt;
}

Status LayOutTree(const TechTree& tree, TreeLayout& layout, const TreePart* part) {
    return LayOutDot(tree, TreeToDot(tree, part), layout);
}

Status LayOutDot(const TechTree& tree, const std::string& dot, TreeLayout& layout) {
    layout = TreeLayout();
    LaidGraph laid(dot);
    if (Status status = laid.Outcome(); !status) return status;
    Agraph_t* graph = laid.Graph();

    // Graphviz counts y upwards from the bottom left corner.
    const boxf box = GD_bb(graph);
    const auto place = [&box](pointf p) { return TreePoint{p.x - box.LL.x, box.UR.y - p.y}; };
    layout.width = box.UR.x - box.LL.x;
    layout.height = box.UR.y - box.LL.y;

    const int nodeCount = static_cast<int>(tree.Nodes().size());
    const int edgeCount = static_cast<int>(tree.Edges().size());
    for (Agnode_t* n = agfstnode(graph); n; n = agnxtnode(graph, n)) {
        const int index = TechTree::IndexOfAdvance(IntAttribute(n, "advance"));
        if (index < 0 || index >= nodeCount) continue;
        layout.nodes.push_back({index, place(ND_coord(n)), ND_width(n) * 72.0, ND_height(n) * 72.0});
        for (Agedge_t* e = agfstout(graph, n); e; e = agnxtout(graph, e)) {
            const int edge = IntAttribute(e, "link");
            const splines* spline = ED_spl(e);
            if (edge < 0 || edge >= edgeCount || !spline || spline->size < 1) continue;
            const bezier& curve = spline->list[0];
            LaidEdge laidEdge;
            laidEdge.edge = edge;
            for (int i = 0; i < curve.size; ++i) laidEdge.curve.push_back(place(curve.list[i]));
            if (curve.eflag) laidEdge.arrowTip = place(curve.ep);
            layout.edges.push_back(std::move(laidEdge));
        }
    }
    std::sort(layout.nodes.begin(), layout.nodes.end(),
              [](const LaidNode& a, const LaidNode& b) { return a.node < b.node; });
    std::sort(layout.edges.begin(), layout.edges.end(),
              [](const LaidEdge& a, const LaidEdge& b) { return a.edge < b.edge; });

    return Status::Ok();
}

Status RenderTree(const TechTree& tree, TreeFormat format, std::string& bytes, const TreePart* part) {
    bytes.clear();
    if (format == TreeFormat::Dot) {
        bytes = TreeToDot(tree, part);
        return Status::Ok();
    }
    LaidGraph laid(TreeToDot(tree, part));
    if (Status status = laid.Outcome(); !status) return status;
    char* data = nullptr;
    unsigned int length = 0;
    const char* device = format == TreeFormat::Svg ? "svg" : "png";
    if (gvRenderData(laid.Context(), laid.Graph(), device, &data, &length) != 0 || !data) {
        if (data) gvFreeRenderData(data);
        return Status::Error(std::string("The tree could not be drawn as ") +
                             (format == TreeFormat::Svg ? "SVG" : "PNG") +
                             " (is Graphviz's picture plugin installed?)");
    }
    bytes.assign(data, length);
    gvFreeRenderData(data);
    return Status::Ok();
}

namespace {

// A laid-out link as a chain of short straight pieces along its curve.
std::vector<TreePoint> Flattened(const LaidEdge& edge) {
    std::vector<TreePoint> points;
    if (edge.curve.empty()) return points;
    points.push_back(edge.curve.front());
    constexpr int kPieces = 12;
    for (std::size_t i = 1; i + 2 < edge.curve.size(); i += 3) {
        const TreePoint& p0 = edge.curve[i - 1];
        const TreePoint& p1 = edge.curve[i];
        const TreePoint& p2 = edge.curve[i + 1];
        const TreePoint& p3 = edge.curve[i + 2];
        for (int k = 1; k <= kPieces; ++k) {
            const double t = static_cast<double>(k) / kPieces;
            const double u = 1 - t;
            const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
            points.push_back({a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
        }
    }
    if (edge.arrowTip) points.push_back(*edge.arrowTip);
    return points;
}

double Cross(const TreePoint& o, const TreePoint& a, const TreePoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Whether the pieces a-b and c-d cross. A point on the other line counts as
// lying on its one side, so that a link passing exactly through the joint
// of two pieces of another crosses one of them, not none.
bool PiecesCross(const TreePoint& a, const TreePoint& b, const TreePoint& c, const TreePoint& d) {
    const bool a1 = Cross(c, d, a) > 0, b1 = Cross(c, d, b) > 0;
    const bool c1 = Cross(a, b, c) > 0, d1 = Cross(a, b, d) > 0;
    return a1 != b1 && c1 != d1;
}

struct Bounds {
    double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
    void Add(const TreePoint& p) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    bool Meets(const Bounds& o) const {
        return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
};

}  // namespace

TreeReadability MeasureReadability(const TechTree& tree, const TreeLayout& layout, double viewWidth,
                                   double viewHeight) {
    TreeReadability result;
    // The view fits the picture with a small margin, as the Tree page does.
    if (layout.width > 0 && layout.height > 0)
        result.fittedScale = std::min(viewWidth / (layout.width + 16), viewHeight / (layout.height + 16));
    std::vector<std::vector<TreePoint>> lines;
    std::vector<Bounds> bounds;
    std::vector<const TechEdge*> ends;
    for (const LaidEdge& edge : layout.edges) {
        lines.push_back(Flattened(edge));
        Bounds box;
        for (const TreePoint& p : lines.back()) box.Add(p);
        bounds.push_back(box);
        ends.push_back(&tree.Edges().at(edge.edge));
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            if (!bounds[i].Meets(bounds[j])) continue;
            if (ends[i]->from == ends[j]->from || ends[i]->from == ends[j]->to || ends[i]->to == ends[j]->from ||
                ends[i]->to == ends[j]->to)
                continue;
            bool crossed = false;
            for (std::size_t a = 1; a < lines[i].size() && !crossed; ++a) {
                for (std::size_t b = 1; b < lines[j].size() && !crossed; ++b) {
                    crossed = PiecesCross(lines[i][a - 1], lines[i][a], lines[j][b - 1], lines[j][b]);
                }
            }
            result.crossings += crossed;
        }
    }
    return result;
}

}  // namespace rules
