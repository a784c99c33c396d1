#include "ui/dialogs/earlier_versions_dialog.h"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "rules/compare/comparison.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/widgets/comparison_panel.h"
#include "ui/widgets/differences_view.h"
#include "ui/codec/text_codec.h"

namespace ui {

// A kept version as read: its document, and how it compares with the tables.
struct EarlierVersionsDialog::Version {
    rules::KeptVersion kept;
    std::shared_ptr<const rules::RulesDocument> document;  // null when it cannot be read
    rules::Comparison comparison;
    QString problem;
};

namespace {

QString KeptAt(const rules::KeptVersion& version) {
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(version.keptAtMs),
                              QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

EarlierVersionsDialog::EarlierVersionsDialog(DocumentEditor& editor,
                                             std::vector<rules::KeptVersion> versions,
                                             QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("EarlierVersionsDialog"));
    setWindowTitle(tr("Earlier Versions of %1")
                       .arg(QString::fromStdString(editor.Document().TargetFileName())));
    // A dialog of the desktop, not of the designed window: its own font.
    setFont(QApplication::font(this));
    resize(760, 520);

    for (rules::KeptVersion& kept : versions) {
        Version version{std::move(kept), nullptr, {}, {}};
        std::string bytes;
        if (const rules::Status read = rules::ReadWholeFile(version.kept.path, bytes); !read) {
            version.problem = QString::fromStdString(read.message);
        } else {
            auto document = std::make_shared<rules::RulesDocument>();
            document->LoadBytes(bytes, editor.Document().GetLanguage());
            document->Parse();
            version.document = std::move(document);
        }
        versions_.push_back(std::move(version));
    }

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("VersionList"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Kept"), tr("Size"), tr("Differences from now")});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const Version& version : versions_) {
        auto* item = new QTreeWidgetItem(
            list_, {KeptAt(version.kept),
                    tr("%1 bytes").arg(QLocale().toString(qulonglong(version.kept.size))),
                    version.problem});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    CompareVersions();

    // From then to now, as time went.
    panel_ = new ComparisonPanel(editor, ComparisonPanel::Order::TheirsToNow, this);
    panel_->View()->setObjectName(QStringLiteral("VersionDifferences"));
    panel_->Show(nullptr, tr("Select a version to see what differs."));
    connect(panel_, &ComparisonPanel::RecordActivated, this, &EarlierVersionsDialog::RecordActivated);
    connect(panel_, &ComparisonPanel::CellActivated, this, &EarlierVersionsDialog::CellActivated);
    // Whatever changed the tables (a take, an undo), the summaries follow.
    connect(&editor_, &DocumentEditor::FieldsChanged, this, &EarlierVersionsDialog::CompareVersions);
    connect(&editor_, &DocumentEditor::CellsChanged, this, &EarlierVersionsDialog::CompareVersions);
    connect(&editor_, &DocumentEditor::Replaced, this,
            &EarlierVersionsDialog::CompareVersions);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(list_);
    splitter->addWidget(panel_);
    splitter->setStretchFactor(1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    restore_ = buttons->addButton(tr("Restore"), QDialogButtonBox::ActionRole);
    restore_->setObjectName(QStringLiteral("RestoreButton"));
    restore_->setEnabled(false);
    // Enter in the lists shows a record; it must never replace the document
    // or close the dialog.
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
    restore_->setToolTip(
        tr("Make this version the document, as one step you can undo; nothing is written "
           "until Save Changes."));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(restore_, &QPushButton::clicked, this, &EarlierVersionsDialog::RestoreSelected);
    connect(list_, &QTreeWidget::currentItemChanged, this, &EarlierVersionsDialog::ShowSelected);

    auto* column = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Each Save Changes keeps the file it replaces; the newest %1 are kept.")
                                .arg(rules::VersionStore::kKept),
                            this);
    note->setWordWrap(true);
    column->addWidget(note);
    column->addWidget(splitter, 1);
    column->addWidget(buttons);

    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
}

EarlierVersionsDialog::~EarlierVersionsDialog() = default;

DifferencesView* EarlierVersionsDialog::Differences() const { return panel_->View(); }

void EarlierVersionsDialog::CompareVersions() {
    for (std::size_t i = 0; i < versions_.size(); ++i) {
        Version& version = versions_[i];
        if (!version.document) continue;
        version.comparison = rules::Compare(*version.document, editor_.Document());
        list_->topLevelItem(int(i))->setText(
            2, QString::fromStdString(rules::SummaryLine(version.comparison)));
    }
}

void EarlierVersionsDialog::ShowSelected() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= int(versions_.size())) return;
    const Version& version = versions_[size_t(row)];
    restore_->setEnabled(version.document != nullptr);
    panel_->Show(version.document, version.problem);
}

void EarlierVersionsDialog::RestoreSelected() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= int(versions_.size()) || !versions_[size_t(row)].document) return;
    Version& version = versions_[size_t(row)];
    editor_.ReplaceDocument(version.document->TakeContent(),
                            tr("Restore Version of %1").arg(KeptAt(version.kept)));
    accept();
}

}  // namespace ui
