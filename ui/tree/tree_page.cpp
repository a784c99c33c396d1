#include "ui/tree/tree_page.h"

#include <QFileDialog>
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
#include "rules/tree/tech_tree_dot.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/widgets/text_codec.h"
#include "ui/tree/tree_node_item.h"
#include "ui/tree/tree_view.h"

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
    auto* fit = new QPushButton(QStringLiteral("Fit"), this);
    fit->setObjectName(QStringLiteral("FitTree"));
    fit->setToolTip(QStringLiteral("Show the whole tree"));
    exportButton_ = new QPushButton(QStringLiteral("Export..."), this);
    exportButton_->setObjectName(QStringLiteral("ExportTree"));
    exportButton_->setToolTip(QStringLiteral("Save the tree as an SVG or PNG picture, or as a DOT graph"));
    auto* legend = new QLabel(this);
    legend->setObjectName(QStringLiteral("TreeLegend"));
    legend->setText(Swatch(TreeNodeItem::MarkColour(TreeMark::OnShow), QStringLiteral("on show")) +
                    QStringLiteral("&nbsp;&nbsp; ") +
                    Swatch(TreeNodeItem::MarkColour(TreeMark::Ancestor), QStringLiteral("needs")) +
                    QStringLiteral("&nbsp;&nbsp; ") +
                    Swatch(TreeNodeItem::MarkColour(TreeMark::Descendant), QStringLiteral("opens")) +
                    QStringLiteral("&nbsp;&nbsp; <span style='color:%1'>red: circle or unknown prerequisite</span>")
                        .arg(kFault.name()));
    const QString howTo =
        QStringLiteral("Wheel: zoom. Drag: move. Click an advance to show it on the Advances page.");
    legend->setToolTip(howTo);
    // The page's own hint, so that its empty areas do not offer the
    // right-click help of the window, which has none here.
    setToolTip(howTo);

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
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addLayout(top);
    column->addWidget(message_);
    column->addWidget(view_, 1);

    connect(fit, &QPushButton::clicked, view_, &TreeView::FitAll);
    connect(exportButton_, &QPushButton::clicked, this, &TreePage::ExportClick);
    connect(view_, &TreeView::ItemClicked, this, &TreePage::NodeClicked);
}

TreePage::~TreePage() = default;

void TreePage::Enter(int advanceOnShow) {
    tree_ = rules::TechTree::Build(document_.Advances(), document_.Units());
    std::string dot = rules::TreeToDot(tree_);
    if (dot != drawnDot_) {
        rules::TreeLayout layout;
        const rules::Status status = rules::LayOutTree(tree_, layout);
        drawnDot_ = status ? std::move(dot) : std::string();
        if (!status) {
            scene_->clear();
            nodeItems_.clear();
            edgeItems_.clear();
            ShowMessage(QString::fromStdString(status.message) + QLatin1Char('.'));
        } else {
            Redraw(layout);
            ShowMessage(tree_.Nodes().empty() ? QStringLiteral("No advances were read.") : QString());
            // Fitted when first drawn with advances (the page may be in front
            // before the file is read); after an edit the user's zoom stays.
            if (!fitted_ && !tree_.Nodes().empty()) {
                view_->FitAll();
                fitted_ = true;
            }
        }
    }
    Highlight(advanceOnShow);
}

void TreePage::ShowMessage(const QString& text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void TreePage::Redraw(const rules::TreeLayout& layout) {
    scene_->clear();
    nodeItems_.assign(tree_.Nodes().size(), nullptr);
    edgeItems_.assign(tree_.Edges().size(), EdgeItems{});
    scene_->setSceneRect(-8, -8, layout.width + 16, layout.height + 16);

    QFont groupFont(QString::fromLatin1(rules::kTreeFont));
    groupFont.setPixelSize(14);
    groupFont.setBold(true);
    for (const rules::LaidGroup& group : layout.groups) {
        auto* box = scene_->addRect(QRectF(ToQt(group.topLeft), QSizeF(group.width, group.height)),
                                    QPen(QColor(rules::TreeColours::GroupBorder())),
                                    QColor(rules::TreeColours::EpochFrame(group.epoch)));
        box->setZValue(0);
        auto* label = scene_->addSimpleText(QString::fromLatin1(rules::EpochName(group.epoch)), groupFont);
        label->setBrush(QColor(0x55, 0x55, 0x55));
        const QRectF size = label->boundingRect();
        label->setPos(group.topLeft.x + 8, group.labelCentre.y - size.height() / 2);
        label->setZValue(0.5);
    }

    for (const rules::LaidEdge& laid : layout.edges) {
        if (laid.curve.empty()) continue;
        QPainterPath path(ToQt(laid.curve.front()));
        for (std::size_t i = 1; i + 2 < laid.curve.size(); i += 3) {
            path.cubicTo(ToQt(laid.curve[i]), ToQt(laid.curve[i + 1]), ToQt(laid.curve[i + 2]));
        }
        EdgeItems& items = edgeItems_[laid.edge];
        items.path = scene_->addPath(path, QPen(kEdge, 1.0), Qt::NoBrush);
        items.path->setZValue(1);
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

void TreePage::NodeClicked(QGraphicsItem* item) {
    auto* node = dynamic_cast<TreeNodeItem*>(item);
    if (!node) return;
    const int number = tree_.Nodes()[node->Node()].number;
    Highlight(number);
    emit AdvanceChosen(number);
}

void TreePage::ExportClick() {
    if (tree_.Nodes().empty()) {
        ShowInformationBox(this, QStringLiteral("There is no advance in the tree, so there is "
                                                "nothing to export."));
        return;
    }
    const QString svg = QStringLiteral("SVG picture (*.svg)");
    const QString png = QStringLiteral("PNG picture (*.png)");
    const QString dot = QStringLiteral("DOT graph (*.dot)");
    QString filter = svg;
    QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Export the tree"),
                                                    QStringLiteral("advances.svg"),
                                                    svg + QStringLiteral(";;") + png + QStringLiteral(";;") + dot,
                                                    &filter);
    if (fileName.isEmpty()) return;
    std::optional<rules::TreeFormat> format = rules::TreeFormatOfFileName(fileName.toStdString());
    if (!format) {
        // No known extension typed: the chosen kind of file decides.
        format = filter == png ? rules::TreeFormat::Png
                 : filter == dot ? rules::TreeFormat::Dot
                                 : rules::TreeFormat::Svg;
        fileName += format == rules::TreeFormat::Png   ? QStringLiteral(".png")
                    : format == rules::TreeFormat::Dot ? QStringLiteral(".dot")
                                                       : QStringLiteral(".svg");
    }
    std::string bytes;
    if (const rules::Status status = rules::RenderTree(tree_, *format, bytes); !status) {
        ShowErrorBox(this, QString::fromStdString(status.message));
        return;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        ShowErrorBox(this, QStringLiteral("Cannot create file %1").arg(fileName));
    }
}

}  // namespace ui
