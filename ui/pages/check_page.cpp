#include "ui/pages/check_page.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "ui/edit/document_editor.h"
#include "ui/widgets/key_help.h"
#include "ui/widgets/remembered_settings.h"
#include "ui/widgets/widget_helpers.h"
#include "ui/widgets/accessibility.h"

namespace ui {

namespace {

constexpr auto kHiddenKey = "check/hiddenKinds";
constexpr int kProblemRole = Qt::UserRole;   // index into the problems
constexpr int kNoteRole = Qt::UserRole + 1;  // index into its notes, or -1

// "Advance 3, line 28: ", "Unit 5, line 140: ", "Cosmic value 4, line 7: ",
// "Line 27: " for a line that holds no record.
QString Place(const rules::Problem& problem) {
    QString place;
    if (problem.record > 0) {
        switch (problem.section) {
            case rules::SectionId::Advances:
                place = QStringLiteral("Advance %1").arg(problem.record);
                break;
            case rules::SectionId::Units:
                place = QStringLiteral("Unit %1").arg(problem.record);
                break;
            case rules::SectionId::Cosmic:
                place = QStringLiteral("Cosmic value %1").arg(problem.record);
                break;
        }
    }
    if (problem.line >= 0) {
        place += place.isEmpty() ? QStringLiteral("Line %1").arg(problem.line + 1)
                                 : QStringLiteral(", line %1").arg(problem.line + 1);
    }
    return place.isEmpty() ? QString() : place + QStringLiteral(": ");
}

// Rows as tall as their wrapped sentence. The view asks for a row's height
// before it knows how wide the text will be; the width is what the view
// leaves beside the indentation and the icon, with room kept for the
// scroll bar, which appears as soon as the consequences are unfolded.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView* view) : QStyledItemDelegate(view), view_(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem wrapped = option;
        wrapped.features |= QStyleOptionViewItem::WrapText;
        const int depth = index.parent().isValid() ? 2 : 1;
        const int width = view_->width() - 2 * view_->frameWidth() -
                          view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) -
                          depth * view_->indentation();
        wrapped.rect = QRect(0, 0, std::max(width, 100), 1);
        return QStyledItemDelegate::sizeHint(wrapped, index);
    }

private:
    QTreeView* view_;
};

// Enter on an item does what a double-click does, on every platform style.
class ProblemList : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
            emit itemDoubleClicked(currentItem(), 0);
            return;
        }
        QTreeWidget::keyPressEvent(event);
    }
};

}  // namespace

CheckPage::CheckPage(DocumentEditor& editor, QWidget* parent)
    : MadeWhenShown(parent), editor_(editor) {
    // Every change of the tables, an edit wherever it is made, an undo or a
    // redo, is checked at once.
    // What is checked again is the part of the check the change touched: on
    // a large file the lines set aside and the other sections are most of it.
    connect(&editor_, &DocumentEditor::Loaded, this, &CheckPage::Recheck);
    connect(&editor_, &DocumentEditor::Replaced, this, &CheckPage::Recheck);
    connect(&editor_, &DocumentEditor::FieldsChanged, this, [this] {
        state_.TablesChanged(editor_.Document());
        ShowProblems(state_.Problems());
    });
    connect(&editor_, &DocumentEditor::CellsChanged, this, [this](int section) {
        state_.SectionChanged(editor_.Document(), section);
        ShowProblems(state_.Problems());
    });
    // The page's own hint: the window's right-click help has nothing here.
    BindText(this, "toolTip", UI_TEXT("The problems the rules check found"));
    hidden_ = RememberedSettings().value(kHiddenKey).toStringList();
    Rebuild();
}

void CheckPage::Build() {
    MakeLabel(QStringLiteral("CheckLabel"),
              UI_TEXT("What would make the game misread these rules, as they are now. "
                      "Double-click or press <Enter> to show the record."),
              QRect(8, 8, 0, 0), this);
    list_ = new ProblemList(this);
    list_->setObjectName(QStringLiteral("ProblemList"));
    NameForScreenReaders(list_, tr("Problems"));
    list_->setGeometry(8, 32, 601, 457);
    list_->setHeaderHidden(true);
    list_->setColumnCount(1);
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setUniformRowHeights(false);
    // The one column fills the view, so long sentences wrap at its edge.
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->setItemDelegate(new WrappingDelegate(list_));
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    BindText(list_, "toolTip",
             UI_TEXT("Double-click or press <Enter> to show the record; right-click or Ctrl+. for fixes"));
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { Activate(item); });
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QTreeWidgetItem* item = list_->itemAt(pos))
            ShowMenu(item, list_->viewport()->mapToGlobal(pos));
    });
    auto* fixKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period), list_);
    fixKey->setObjectName(QStringLiteral("FixShortcut"));
    fixKey->setContext(Qt::WidgetShortcut);
    fixKey->setWhatsThis(QStringLiteral("Fixes of the selected problem (Check page)"));
    DeclareKeys(list_, QStringLiteral("Enter, double-click"),
                QStringLiteral("Show the record of the selected problem (Check page)"));
    connect(fixKey, &QShortcut::activated, this, [this] {
        QTreeWidgetItem* item = list_->currentItem();
        if (!item) return;
        const QRect rect = list_->visualItemRect(item);
        ShowMenu(item, list_->viewport()->mapToGlobal(rect.bottomLeft()));
    });

    hiddenLabel_ = MakeLabel(QStringLiteral("HiddenLabel"), QString(), QRect(8, 496, 0, 0), this);
    showHidden_ = MakeButton(QStringLiteral("ShowHiddenButton"), UI_TEXT("Show Them"),
                             QRect(120, 492, 81, 22), this);
    connect(showHidden_, &QPushButton::clicked, this, &CheckPage::ShowHiddenKinds);
    FitToPage();
    Rebuild();
}

void CheckPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The list's own notes and counts are written as it fills.
    if (event->type() == QEvent::LanguageChange && list_) Rebuild();
}

void CheckPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (list_) FitToPage();
}

void CheckPage::FitToPage() {
    // In a window enlarged beyond its placed size the list takes the room;
    // at the placed size (a 621 by 516 page) everything stays as placed.
    const int wider = std::max(0, width() - 621);
    const int taller = std::max(0, height() - 516);
    list_->setGeometry(8, 32, 601 + wider, 457 + taller);
    hiddenLabel_->move(8, 496 + taller);
    showHidden_->move(120, 492 + taller);
}

QString CheckPage::Caption() const {
    return shown_ == 0 ? tr("Check") : tr("Check (%1)").arg(shown_);
}

bool CheckPage::Hidden(const rules::Problem& problem) const {
    return problem.severity != rules::Severity::Error &&
           hidden_.contains(QString::fromStdString(problem.check));
}

void CheckPage::Recheck() {
    state_.CheckAll(editor_.Document());
    ShowProblems(state_.Problems());
}

void CheckPage::ApplyFix(const rules::QuickFix& fix) {
    std::vector<FieldEdit> edits;
    for (const auto& [ref, value] : fix.edits) edits.push_back({ref, value});
    const QString title = QString::fromStdString(fix.title);
    if (!fix.lines.empty()) {
        // The values stay, only their lines change: one step that puts the
        // mended lines in, as Align Columns does.
        rules::RulesDocument mended = editor_.Document();
        if (rules::ApplyLineFixes(mended, fix.lines))
            editor_.ReplaceDocument(std::move(mended).TakeContent(), title);
    } else if (!fix.cells.empty()) {
        editor_.SetEdits(std::move(edits), fix.cells, title);
    } else if (!edits.empty()) {
        editor_.SetFields(std::move(edits), title);
    }
    emit ProblemActivated(fix.section, fix.record, -1);
}

void CheckPage::ShowProblems(const rules::Problems& problems) {
    // Keep the user's place while nothing changed.
    if (checked_ && problems == problems_) return;
    checked_ = true;
    problems_ = problems;
    Rebuild();
}

void CheckPage::Rebuild() {
    shown_ = 0;
    int hiddenCount = 0;
    for (const rules::Problem& problem : problems_) ++(Hidden(problem) ? hiddenCount : shown_);
    // The caption counts what the list shows, built or not.
    if (list_) FillList(hiddenCount);
    emit CaptionChanged();
}

void CheckPage::FillList(int hiddenCount) {
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    list_->clear();
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    const QIcon note = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    for (std::size_t p = 0; p < problems_.size(); ++p) {
        const rules::Problem& problem = problems_[p];
        if (Hidden(problem)) continue;
        const bool isError = problem.severity == rules::Severity::Error;
        QString text = Place(problem) + QString::fromStdString(problem.text);
        int notes = 0;
        for (const rules::Problem& n : problem.notes) notes += !Hidden(n);
        if (notes > 0)
            text += notes == 1 ? QStringLiteral(" ... and 1 more waits on it")
                               : QStringLiteral(" ... and %1 more wait on it").arg(notes);
        auto* item = new QTreeWidgetItem(list_, {text});
        item->setIcon(0, isError ? error : warning);
        item->setToolTip(0, (isError ? QStringLiteral("Error [%1]") : QStringLiteral("Warning [%1]"))
                                .arg(QString::fromStdString(problem.check)));
        item->setData(0, kProblemRole, static_cast<int>(p));
        item->setData(0, kNoteRole, -1);
        for (std::size_t n = 0; n < problem.notes.size(); ++n) {
            const rules::Problem& noteProblem = problem.notes[n];
            if (Hidden(noteProblem)) continue;
            auto* child = new QTreeWidgetItem(
                item, {Place(noteProblem) + QString::fromStdString(noteProblem.text)});
            child->setIcon(0, note);
            child->setToolTip(
                0, QStringLiteral("Follows from the problem above [%1]")
                       .arg(QString::fromStdString(noteProblem.check)));
            child->setData(0, kProblemRole, static_cast<int>(p));
            child->setData(0, kNoteRole, static_cast<int>(n));
        }
    }
    // An empty list says why: nothing was checked yet, or nothing was found.
    if (!checked_)
        ShowNote(tr("No rules file was loaded, so there is nothing to check."));
    else if (shown_ == 0)
        ShowNote(problems_.empty() ? tr("No problems found.") : tr("No problems shown."));
    if (row >= 0 && row < list_->topLevelItemCount())
        list_->setCurrentItem(list_->topLevelItem(row));
    hiddenLabel_->setText(tr("%1 hidden").arg(hiddenCount));
    hiddenLabel_->adjustSize();
    hiddenLabel_->setToolTip(tr("Warnings of these kinds are hidden: %1")
                                 .arg(hidden_.join(QStringLiteral(", "))));
    hiddenLabel_->setVisible(!hidden_.isEmpty());
    showHidden_->setVisible(!hidden_.isEmpty());
}

// A line of the list that is no problem and cannot be chosen.
void CheckPage::ShowNote(const QString& text) {
    auto* note = new QTreeWidgetItem(list_, {text});
    note->setFlags(Qt::NoItemFlags);
    note->setToolTip(0, text);
    note->setData(0, kProblemRole, -1);
    note->setData(0, kNoteRole, -1);
}

const rules::Problem* CheckPage::ProblemOf(const QTreeWidgetItem* item) const {
    if (!item) return nullptr;
    const int p = item->data(0, kProblemRole).toInt();
    const int n = item->data(0, kNoteRole).toInt();
    if (p < 0 || p >= static_cast<int>(problems_.size())) return nullptr;
    const rules::Problem& problem = problems_[static_cast<std::size_t>(p)];
    if (n < 0) return &problem;
    if (n >= static_cast<int>(problem.notes.size())) return nullptr;
    return &problem.notes[static_cast<std::size_t>(n)];
}

void CheckPage::Activate(QTreeWidgetItem* item) {
    const rules::Problem* problem = ProblemOf(item);
    if (!problem) return;
    if (problem->cell.section >= 0)
        emit CellActivated(problem->cell);
    else
        emit ProblemActivated(problem->section, problem->record, problem->line);
}

void CheckPage::ShowMenu(QTreeWidgetItem* item, const QPoint& globalPos) {
    const rules::Problem* problem = ProblemOf(item);
    if (!problem) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("ProblemMenu"));
    if (problem->line >= 0 || problem->record > 0) {
        const rules::Problem shown = *problem;
        connect(menu.addAction(QStringLiteral("Show in Source")), &QAction::triggered, this,
                [this, shown] { emit ShowInSource(shown.section, shown.record, shown.line); });
        menu.addSeparator();
    }
    const std::vector<rules::QuickFix> fixes = rules::QuickFixes(editor_.Document(), *problem);
    for (const rules::QuickFix& fix : fixes) {
        QAction* action = menu.addAction(QString::fromStdString(fix.title));
        connect(action, &QAction::triggered, this, [this, fix] { ApplyFix(fix); });
    }
    if (problem->severity != rules::Severity::Error) {
        if (!fixes.empty()) menu.addSeparator();
        const QString kind = QString::fromStdString(problem->check);
        QAction* hide = menu.addAction(QStringLiteral("Hide warnings of this kind"));
        hide->setToolTip(kind);
        connect(hide, &QAction::triggered, this, [this, kind] { HideKind(kind); });
    }
    if (fixes.empty() && problem->severity == rules::Severity::Error)
        menu.addAction(QStringLiteral("No fix for this problem"))->setEnabled(false);
    menu.exec(globalPos);
}

void CheckPage::HideKind(const QString& check) {
    if (hidden_.contains(check)) return;
    hidden_.append(check);
    RememberedSettings().setValue(kHiddenKey, hidden_);
    Rebuild();
}

void CheckPage::ShowHiddenKinds() {
    hidden_.clear();
    RememberedSettings().remove(kHiddenKey);
    Rebuild();
}

}  // namespace ui
