#include "ui/table/plan_steps.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/document/text_routines.h"
#include "ui/edit/document_editor.h"

namespace ui {

namespace {

QStringList Lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << QString::fromStdString(line);
    return out;
}

QListWidget* List(const QString& name, const std::vector<std::string>& lines, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    // Long lines wrap rather than hide their end beyond a scroll bar.
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->addItems(Lines(lines));
    return list;
}

}  // namespace

void StorePlan(DocumentEditor& editor, rules::EditPlan plan, const char* verb, const char* noun) {
    const int count = plan.EditCount();
    editor.Edit(std::move(plan),
                count == 1 ? QString()
                           : QStringLiteral("%1 %2").arg(QString::fromLatin1(verb),
                                                         QString::fromStdString(rules::Counted(count, noun))));
}

bool ConfirmImport(QWidget* parent, const rules::EditPlan& plan) {
    QDialog confirm(parent);
    confirm.setObjectName(QStringLiteral("ImportDialog"));
    confirm.setWindowTitle(QStringLiteral("Import CSV"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &confirm);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Import"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &confirm, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &confirm, &QDialog::reject);
    auto* layout = new QVBoxLayout(&confirm);
    const int count = static_cast<int>(plan.differences.size());
    layout->addWidget(new QLabel(
        QString::fromStdString(rules::Counted(count, "field")) + QStringLiteral(" will change:"), &confirm));
    layout->addWidget(List(QStringLiteral("ImportDifferences"), plan.differences, &confirm), 2);
    if (!plan.notes.empty()) {
        layout->addWidget(new QLabel(QStringLiteral("Read otherwise than it stood:"), &confirm));
        layout->addWidget(List(QStringLiteral("ImportNotes"), plan.notes, &confirm), 1);
    }
    layout->addWidget(buttons);
    confirm.resize(520, plan.notes.empty() ? 320 : 420);
    return confirm.exec() == QDialog::Accepted;
}

}  // namespace ui
