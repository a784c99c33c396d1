#include "ui/pages/check_page.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>

#include "ui/widgets/widget_helpers.h"

namespace ui {

namespace {

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

// Enter on an item does what a double-click does, on every platform style.
class ProblemList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
            emit itemDoubleClicked(currentItem());
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

}  // namespace

CheckPage::CheckPage(QWidget* parent) : QWidget(parent) {
    MakeLabel(QStringLiteral("CheckLabel"),
              QStringLiteral("What would make the game misread these rules, as they are now. "
                             "Double-click or press <Enter> to show the record."),
              QRect(8, 8, 0, 0), this);
    list_ = new ProblemList(this);
    list_->setObjectName(QStringLiteral("ProblemList"));
    list_->setGeometry(8, 32, 601, 481);
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setResizeMode(QListView::Adjust);
    list_->setToolTip(QStringLiteral("Double-click or press <Enter> to show the record"));
    connect(list_, &QListWidget::itemDoubleClicked, this, &CheckPage::Activate);
    // The page's own hint: the window's right-click help has nothing here.
    setToolTip(QStringLiteral("The problems the rules check found"));
    ShowNote(QStringLiteral("No rules file was loaded, so there is nothing to check."));
}

// A line of the list that is no problem and cannot be chosen.
void CheckPage::ShowNote(const QString& text) {
    auto* note = new QListWidgetItem(text, list_);
    note->setFlags(Qt::NoItemFlags);
    note->setToolTip(text);
}

QString CheckPage::Caption() const {
    return problems_.empty() ? QStringLiteral("Check")
                             : QStringLiteral("Check (%1)").arg(problems_.size());
}

void CheckPage::ShowProblems(rules::Problems problems) {
    // Keep the user's place while nothing changed.
    if (checked_ && problems == problems_) return;
    checked_ = true;
    problems_ = std::move(problems);
    const int row = list_->currentRow();
    list_->clear();
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const rules::Problem& problem : problems_) {
        auto* item = new QListWidgetItem(
            problem.severity == rules::Severity::Error ? error : warning,
            Place(problem) + QString::fromStdString(problem.text), list_);
        item->setToolTip(problem.severity == rules::Severity::Error ? QStringLiteral("Error")
                                                                    : QStringLiteral("Warning"));
    }
    if (problems_.empty()) ShowNote(QStringLiteral("No problems found."));
    if (row >= 0 && row < static_cast<int>(problems_.size())) list_->setCurrentRow(row);
}

void CheckPage::Activate(QListWidgetItem* item) {
    const int row = list_->row(item);
    if (row < 0 || row >= static_cast<int>(problems_.size())) return;
    const rules::Problem& problem = problems_[static_cast<std::size_t>(row)];
    emit ProblemActivated(problem.section, problem.record, problem.line);
}

}  // namespace ui
