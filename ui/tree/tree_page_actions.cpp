// What the user does on the Tree page beyond looking: search, draw and
// remove links, and export the picture.
#include "ui/tree/tree_page.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QGraphicsScene>
#include <QSaveFile>
#include <utility>

#include "rules/tree/graphviz/tree_layout.h"
#include "rules/document/rules_document.h"
#include "rules/edits/link_plan.h"
#include "rules/tree/tech_tree_dot.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/edit/document_editor.h"
#include "ui/codec/text_codec.h"
#include "ui/tree/tree_node_item.h"
#include "ui/tree/tree_view.h"

namespace ui {

void TreePage::Search(const QString& text) {
    if (search_->text() != text) {
        search_->setText(text);  // comes back here through textChanged
        return;
    }
    foundAt_ = -1;
    ApplySearch();
}

void TreePage::ApplySearch() {
    const QString text = search_->text();
    // A text the file's code page cannot hold matches nothing.
    const std::optional<std::string> bytes = FromDisplay(text);
    found_ = bytes ? tree_.Find(*bytes) : std::vector<int>();
    if (text.isEmpty()) {
        matches_->clear();
    } else if (!bytes || found_.empty()) {
        matches_->setText(QStringLiteral("no match"));
    } else {
        matches_->setText(found_.size() == 1 ? QStringLiteral("1 match")
                                             : QStringLiteral("%1 matches").arg(found_.size()));
    }
    const bool searching = !text.isEmpty();
    std::vector<bool> hit(tree_.Nodes().size(), false);
    for (int index : found_) hit[index] = true;
    for (std::size_t index = 0; index < nodeItems_.size(); ++index) {
        if (nodeItems_[index]) nodeItems_[index]->SetFound(searching && hit[index], searching && !hit[index]);
    }
    for (std::size_t index = 0; index < edgeItems_.size(); ++index) {
        const EdgeItems& items = edgeItems_[index];
        if (!items.path) continue;
        const rules::TechEdge& edge = tree_.Edges()[index];
        const double opacity = searching && !(hit[edge.from] && hit[edge.to]) ? 0.2 : 1.0;
        items.path->setOpacity(opacity);
        if (items.arrow) items.arrow->setOpacity(opacity);
    }
}

void TreePage::ShowNextFound(bool backwards) {
    // Only advances that are drawn can be shown.
    std::vector<int> shown;
    for (int index : found_) {
        if (index < static_cast<int>(nodeItems_.size()) && nodeItems_[index]) shown.push_back(index);
    }
    if (shown.empty()) return;
    const int count = static_cast<int>(shown.size());
    foundAt_ = foundAt_ < 0 ? (backwards ? count - 1 : 0) : (foundAt_ + (backwards ? count - 1 : 1)) % count;
    foundAt_ = std::min(foundAt_, count - 1);
    const int index = shown[foundAt_];
    const int number = tree_.Nodes()[index].number;
    // Put on show first: a focused tree is drawn anew around it.
    Highlight(number);
    if (index < static_cast<int>(nodeItems_.size()) && nodeItems_[index])
        view_->centerOn(nodeItems_[index]->sceneBoundingRect().center());
    emit AdvanceChosen(number);
}

bool TreePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ShowNextFound(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            search_->clear();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TreePage::SetFocused(bool focused) {
    if (focus_->isChecked() != focused) {
        focus_->setChecked(focused);  // comes back here through toggled
        return;
    }
    focused_ = focused;
    Refresh(true);
    ApplyMarks();
}

int TreePage::DrawLink(int from, int to, std::optional<int> slot, QPoint menuAt) {
    if (!editor_) return 0;
    rules::LinkPlan link = rules::PlanLink(document_.Advances(), from, to, slot);
    if (link.plan.Refused()) {
        ShowErrorBox(this, QString::fromStdString(link.plan.problem));
        return 0;
    }
    if (link.mustChoose) {
        // Both slots are taken: the user says which one gives way.
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("ReplacePrerequisiteMenu"));
        menu.addSection(QString::fromStdString(link.question));
        for (int which : {1, 2})
            menu.addAction(QString::fromStdString(link.choices[static_cast<std::size_t>(which - 1)]))->setData(which);
        QAction* picked = menu.exec(menuAt);
        if (!picked) return 0;
        link = rules::PlanLink(document_.Advances(), from, to, picked->data().toInt());
    }
    if (link.plan.edits.empty()) return 0;
    editor_->SetField(link.plan.edits.front().ref, link.plan.edits.front().value);
    return link.slot;
}

void TreePage::RemoveLink(int edge) {
    if (!editor_ || edge < 0 || edge >= static_cast<int>(tree_.Edges().size())) return;
    const rules::TechEdge& link = tree_.Edges()[edge];
    editor_->SetField(rules::AdvanceFieldRef(tree_.Nodes()[link.to].number,
                                             link.slot == 1 ? rules::AdvanceField::Prereq1
                                                            : rules::AdvanceField::Prereq2),
                      "nil");
}

void TreePage::MenuWanted(QGraphicsItem* item, const QPoint& globalPos) {
    if (!item) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("TreeMenu"));
    if (auto* node = dynamic_cast<TreeNodeItem*>(item)) {
        const int number = tree_.Nodes()[node->Node()].number;
        connect(menu.addAction(QStringLiteral("Show on the Advances page")), &QAction::triggered, this,
                [this, number] { emit ShowOnAdvancesPage(number); });
    } else {
        const int edge = item->data(TreeView::kEdgeData).toInt();
        QAction* remove = menu.addAction(QStringLiteral("Remove this prerequisite"));
        remove->setEnabled(editor_ != nullptr);
        connect(remove, &QAction::triggered, this, [this, edge] { RemoveLink(edge); });
    }
    menu.exec(globalPos);
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
    // What is drawn is what is exported: the focused part alone, when focused.
    std::optional<rules::TreePart> part;
    if (focusedOn_) part = tree_.FocusOn(rules::TechTree::IndexOfAdvance(focusedOn_));
    if (const rules::Status status = rules::RenderTree(tree_, *format, bytes, part ? &*part : nullptr); !status) {
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
