#include "ui/language/translated_text.h"
#include "ui/tree/tree_page.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "rules/tree/graphviz/tree_layout.h"
#include "rules/document/rules_document.h"
#include "rules/edits/link_plan.h"
#include "rules/tree/tech_tree_dot.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/edit/document_editor.h"
#include "ui/codec/text_codec.h"
#include "ui/widgets/key_help.h"
#include "ui/tree/tree_node_item.h"
#include "ui/tree/tree_view.h"
#include "ui/widgets/accessibility.h"

namespace ui {

namespace {

const QColor kEdge(rules::TreeColours::Edge());
const QColor kFault(rules::TreeColours::Fault());

QPointF ToQt(const rules::TreePoint& p) { return {p.x, p.y}; }

// The lines of a node's box, as every picture of the tree breaks them.
std::pair<QStringList, QStringList> LabelLines(const rules::TechNode& node) {
    const rules::TreeLabel label = rules::TreeLabelOf(node);
    QStringList names;
    for (const std::string& line : label.nameLines) names << ToDisplay(line);
    QStringList units;
    for (const rules::TreeLabel::Unit& unit : label.unitLines) {
        units << (unit.brought ? QChar(QLatin1Char('+')) : QChar(0x2212)) + ToDisplay(unit.name);
    }
    return {names, units};
}

// Tool tips are shown as rich text; names are escaped so that none reads as markup.
QString ToolTip(const std::string& lines) {
    return QStringLiteral("<p style='white-space:pre'>") +
           ToDisplay(lines).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

QString Swatch(const QColor& colour, const QString& caption) {
    return QStringLiteral("<span style='background-color:%1'>&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2")
        .arg(colour.name(), caption);
}

// The epochs show only in the fill of the advances: the legend names them.
QString EpochSwatches() {
    QString text = QStringLiteral("<br>");
    for (int epoch = 0; epoch < rules::kEpochCount; ++epoch) {
        if (epoch) text += QStringLiteral("&nbsp;&nbsp; ");
        text += Swatch(QColor(rules::TreeColours::EpochFill(epoch)), QString::fromLatin1(rules::EpochName(epoch)));
    }
    return text;
}

QPolygonF ArrowHead(const QPointF& from, const QPointF& tip) {
    const QPointF along = tip - from;
    const double length = std::hypot(along.x(), along.y());
    if (length < 0.01) return {};
    const QPointF side(-along.y() * 0.35, along.x() * 0.35);
    return QPolygonF({tip, from + side, from - side});
}

}  // namespace

TreePage::TreePage(const rules::RulesDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    auto* fit = new QPushButton(this);
    BindText(fit, "text", UI_TEXT("Fit"));
    fit->setObjectName(QStringLiteral("FitTree"));
    BindText(fit, "toolTip", UI_TEXT("Show the whole tree"));
    exportButton_ = new QPushButton(this);
    BindText(exportButton_, "text", UI_TEXT("Export..."));
    exportButton_->setObjectName(QStringLiteral("ExportTree"));
    BindText(exportButton_, "toolTip", UI_TEXT("Save the tree as an SVG or PNG picture, or as a DOT graph"));
    legend_ = new QLabel(this);
    auto* legend = legend_;
    legend->setObjectName(QStringLiteral("TreeLegend"));
    const Caption howTo =
        UI_TEXT("Wheel: zoom. Drag: move. Click an advance to show it on the Advances page. "
                "Drag from one advance onto another to make it its prerequisite.");
    BindText(legend, "toolTip", howTo);
    // The page's own hint, so that its empty areas do not offer the
    // right-click help of the window, which has none here.
    BindText(this, "toolTip", howTo);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("TreeSearch"));
    NameForScreenReaders(search_, tr("Find an advance"));
    BindText(search_, "placeholderText", UI_TEXT("Find an advance (Ctrl+F)"));
    BindText(search_, "toolTip", UI_TEXT("Name or abbreviation. Enter: next, Shift+Enter: previous, Escape: clear"));
    search_->installEventFilter(this);
    matches_ = new QLabel(this);
    matches_->setObjectName(QStringLiteral("TreeMatches"));
    matches_->setMinimumWidth(80);
    focus_ = new QCheckBox(this);
    BindText(focus_, "text", UI_TEXT("Only what it needs and opens"));
    focus_->setObjectName(QStringLiteral("TreeFocus"));
    BindText(focus_, "toolTip", UI_TEXT("Show only the advance on show, all it needs and all it opens"));
    // Ctrl+F while the page is in front (a hidden page takes no shortcuts).
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    find->setWhatsThis(QStringLiteral("Find an advance (Tree page)"));
    DeclareKeys(search_, QStringLiteral("Enter, Shift+Enter"),
                QStringLiteral("Next, previous advance found (Tree page)"));
    DeclareKeys(search_, QStringLiteral("Escape"), QStringLiteral("Clear the search (Tree page)"));
    connect(find, &QShortcut::activated, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });

    scene_ = new QGraphicsScene(this);
    view_ = new TreeView(this);
    view_->setObjectName(QStringLiteral("TreeView"));
    view_->setScene(scene_);
    view_->setBackgroundBrush(Qt::white);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("TreeMessage"));
    message_->setWordWrap(true);
    message_->hide();

    auto* top = new QHBoxLayout();
    top->addWidget(fit);
    top->addWidget(exportButton_);
    top->addSpacing(8);
    top->addWidget(legend, 1);
    search_->setMaximumWidth(320);
    auto* second = new QHBoxLayout();
    second->addWidget(search_, 1);
    second->addWidget(matches_);
    second->addSpacing(8);
    second->addWidget(focus_);
    second->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addLayout(top);
    column->addLayout(second);
    column->addWidget(message_);
    column->addWidget(view_, 1);

    connect(fit, &QPushButton::clicked, view_, &TreeView::FitAll);
    connect(exportButton_, &QPushButton::clicked, this, &TreePage::ExportClick);
    connect(view_, &TreeView::ItemClicked, this, &TreePage::NodeClicked);
    connect(view_, &TreeView::MenuWanted, this, &TreePage::MenuWanted);
    connect(view_, &TreeView::LinkDrawn, this, [this](TreeNodeItem* from, TreeNodeItem* to, const QPoint& at) {
        DrawLink(tree_.Nodes()[from->Node()].number, tree_.Nodes()[to->Node()].number, std::nullopt, at);
    });
    connect(search_, &QLineEdit::textChanged, this, &TreePage::Search);
    connect(focus_, &QCheckBox::toggled, this, &TreePage::SetFocused);
}

TreePage::~TreePage() = default;

// The legend's rich text and the search field's clear button (whose icon
// loads the toolkit's image plugins) wait for the page's first entry, so
// that start-up does not pay for a page the user may never open.
void TreePage::DressOnFirstEntry() {
    legend_->setText(Swatch(TreeNodeItem::MarkColour(TreeMark::OnShow), QStringLiteral("on show")) +
                     QStringLiteral("&nbsp;&nbsp; ") +
                     Swatch(TreeNodeItem::MarkColour(TreeMark::Ancestor), QStringLiteral("needs")) +
                     QStringLiteral("&nbsp;&nbsp; ") +
                     Swatch(TreeNodeItem::MarkColour(TreeMark::Descendant), QStringLiteral("opens")) +
                     QStringLiteral("&nbsp;&nbsp; <span style='color:%1'>red: circle or unknown prerequisite</span>")
                         .arg(kFault.name()) +
                     EpochSwatches());
    search_->setClearButtonEnabled(true);
}

void TreePage::SetEditor(DocumentEditor* editor) {
    if (editor_) disconnect(editor_, nullptr, this, nullptr);
    editor_ = editor;
    if (editor_) {
        connect(editor_, &DocumentEditor::FieldsChanged, this, &TreePage::TablesChanged);
        // A page in front when the file was read, or replaced, draws it now;
        // a hidden one catches up when it is entered.
        for (auto whole : {&DocumentEditor::Loaded, &DocumentEditor::Replaced}) {
            connect(editor_, whole, this, [this] {
                if (!isVisible()) return;
                Refresh(true, highlighted_);
                ApplyMarks();
            });
        }
    }
}

void TreePage::TablesChanged(rules::SectionId section, const QList<int>& records) {
    // A hidden page catches up when it is entered again.
    if (section == rules::SectionId::Cosmic || !isVisible()) return;
    Refresh(false, section == rules::SectionId::Advances && !records.isEmpty() ? records.front() : 0);
    ApplyMarks();
}

void TreePage::Enter(int advanceOnShow) {
    if (legend_->text().isEmpty()) DressOnFirstEntry();
    const bool first = drawnDot_.empty();
    highlighted_ = advanceOnShow;
    Refresh(first);
    ApplyMarks();
}

void TreePage::Refresh(bool fit, int anchorNumber) {
    tree_ = rules::TechTree::Build(document_.Advances(), document_.Units());
    const int count = static_cast<int>(tree_.Nodes().size());
    if (highlighted_ < 1 || highlighted_ > count) highlighted_ = 0;
    std::optional<rules::TreePart> part;
    if (focused_ && highlighted_) {
        part = tree_.FocusOn(rules::TechTree::IndexOfAdvance(highlighted_));
        // A new advance in focus is a new picture: laid out and fitted anew.
        if (focusedOn_ != highlighted_) fit = true;
    } else if (focusedOn_) {
        fit = true;  // back to the whole tree
    }
    focusedOn_ = part ? highlighted_ : 0;
    std::string dot = rules::TreeToDot(tree_, part ? &*part : nullptr);
    if (dot == drawnDot_) {
        ApplySearch();
        return;
    }
    // A new layout may move every advance: the one the user looks at stays
    // where it is on the screen (the advance just edited when it is drawn,
    // else the one nearest the centre), so the view keeps its place.
    const QPointF centre = view_->mapToScene(view_->viewport()->rect().center());
    const QRectF inView = view_->mapToScene(view_->viewport()->rect()).boundingRect();
    int anchor = rules::TechTree::IndexOfAdvance(anchorNumber);
    if (anchor < 0 || anchor >= static_cast<int>(nodeItems_.size()) || !nodeItems_[anchor] ||
        !inView.contains(nodeItems_[anchor]->sceneBoundingRect().center())) {
        anchor = -1;
        double nearest = 0;
        for (int index = 0; index < static_cast<int>(nodeItems_.size()); ++index) {
            if (!nodeItems_[index]) continue;
            const QPointF away = nodeItems_[index]->sceneBoundingRect().center() - centre;
            const double distance = QPointF::dotProduct(away, away);
            if (anchor < 0 || distance < nearest) {
                anchor = index;
                nearest = distance;
            }
        }
    }
    const QPointF offset = anchor >= 0 ? centre - nodeItems_[anchor]->sceneBoundingRect().center() : QPointF();
    rules::TreeLayout layout;
    const rules::Status status = rules::LayOutDot(tree_, dot, layout);  // the DOT just made
    drawnDot_ = status ? std::move(dot) : std::string();
    if (!status) {
        view_->CancelLinkDrag();
        scene_->clear();
        nodeItems_.clear();
        edgeItems_.clear();
        ShowMessage(QString::fromStdString(status.message) + QLatin1Char('.'));
        return;
    }
    Redraw(layout);
    ShowMessage(count == 0 ? QStringLiteral("No advances were read.") : QString());
    // Fitted when first drawn with advances (the page may be in front before
    // the file is read); after an edit the user's zoom stays, and the place
    // in view.
    if (fit || (!fitted_ && count > 0)) {
        view_->FitAll();
        if (count > 0) fitted_ = true;
    } else if (anchor >= 0 && anchor < static_cast<int>(nodeItems_.size()) && nodeItems_[anchor]) {
        view_->centerOn(nodeItems_[anchor]->sceneBoundingRect().center() + offset);
    } else {
        view_->centerOn(centre);
    }
    ApplySearch();
}

void TreePage::ShowMessage(const QString& text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void TreePage::Redraw(const rules::TreeLayout& layout) {
    view_->CancelLinkDrag();
    scene_->clear();
    nodeItems_.assign(tree_.Nodes().size(), nullptr);
    edgeItems_.assign(tree_.Edges().size(), EdgeItems{});
    scene_->setSceneRect(-8, -8, layout.width + 16, layout.height + 16);

    for (const rules::LaidEdge& laid : layout.edges) {
        if (laid.curve.empty()) continue;
        QPainterPath path(ToQt(laid.curve.front()));
        for (std::size_t i = 1; i + 2 < laid.curve.size(); i += 3) {
            path.cubicTo(ToQt(laid.curve[i]), ToQt(laid.curve[i + 1]), ToQt(laid.curve[i + 2]));
        }
        EdgeItems& items = edgeItems_[laid.edge];
        items.path = scene_->addPath(path, QPen(kEdge, 1.0), Qt::NoBrush);
        items.path->setZValue(1);
        items.path->setData(TreeView::kEdgeData, laid.edge);
        if (laid.arrowTip) {
            items.arrow = scene_->addPolygon(ArrowHead(ToQt(laid.curve.back()), ToQt(*laid.arrowTip)),
                                             QPen(kEdge, 1.0), kEdge);
            items.arrow->setZValue(1);
        }
    }

    for (const rules::LaidNode& laid : layout.nodes) {
        const rules::TechNode& node = tree_.Nodes()[laid.node];
        TreeNodeItem::Look look;
        look.fill = QColor(rules::TreeColours::EpochFill(node.epoch));
        look.fault = node.inCircle || node.neverAvailable || !node.unknownPrereqs.empty();
        look.dashed = node.neverAvailable || !node.unknownPrereqs.empty();
        const QRectF box(laid.centre.x - laid.width / 2, laid.centre.y - laid.height / 2, laid.width,
                         laid.height);
        auto [names, units] = LabelLines(node);
        auto* item = new TreeNodeItem(laid.node, box, std::move(names), std::move(units), look);
        item->setToolTip(ToolTip(tree_.Describe(laid.node)));
        scene_->addItem(item);
        nodeItems_[laid.node] = item;
    }
}

TreeNodeItem* TreePage::NodeItem(int number) const {
    const int index = rules::TechTree::IndexOfAdvance(number);
    return index >= 0 && index < static_cast<int>(nodeItems_.size()) ? nodeItems_[index] : nullptr;
}

void TreePage::Highlight(int number) {
    const int count = static_cast<int>(tree_.Nodes().size());
    highlighted_ = number >= 1 && number <= count ? number : 0;
    // The focused picture follows the advance on show.
    if (focused_ && highlighted_ != focusedOn_) Refresh(true);
    ApplyMarks();
}

void TreePage::ApplyMarks() {
    const int count = static_cast<int>(tree_.Nodes().size());
    std::vector<TreeMark> marks(count, TreeMark::None);
    if (highlighted_) {
        const int index = rules::TechTree::IndexOfAdvance(highlighted_);
        for (int ancestor : tree_.Ancestors(index)) marks[ancestor] = TreeMark::Ancestor;
        // In a circle an advance is both; what it opens wins.
        for (int descendant : tree_.Descendants(index)) marks[descendant] = TreeMark::Descendant;
        marks[index] = TreeMark::OnShow;
    }
    for (int index = 0; index < count && index < static_cast<int>(nodeItems_.size()); ++index) {
        if (nodeItems_[index]) nodeItems_[index]->SetMark(marks[index]);
    }
    // An edge takes the colour of the highlighted path it lies on.
    for (int index = 0; index < static_cast<int>(edgeItems_.size()); ++index) {
        const EdgeItems& items = edgeItems_[index];
        if (!items.path) continue;
        const rules::TechEdge& edge = tree_.Edges()[index];
        const TreeMark from = marks[edge.from];
        const TreeMark to = marks[edge.to];
        QColor colour = edge.inCircle ? kFault : kEdge;
        double width = edge.inCircle ? 2.0 : 1.0;
        if (to == TreeMark::Descendant && (from == TreeMark::OnShow || from == TreeMark::Descendant)) {
            colour = TreeNodeItem::MarkColour(TreeMark::Descendant).darker(140);
            width = 2.0;
        } else if (from == TreeMark::Ancestor && (to == TreeMark::OnShow || to == TreeMark::Ancestor)) {
            colour = TreeNodeItem::MarkColour(TreeMark::Ancestor).darker(140);
            width = 2.0;
        }
        items.path->setPen(QPen(colour, width));
        if (items.arrow) {
            items.arrow->setPen(QPen(colour, 1.0));
            items.arrow->setBrush(colour);
        }
    }
}

}  // namespace ui
