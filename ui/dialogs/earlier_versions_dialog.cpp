#include "ui/dialogs/earlier_versions_dialog.h"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "rules/compare/comparison.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/widgets/comparison_panel.h"
#include "ui/widgets/differences_view.h"
#include "ui/codec/text_codec.h"
#include "ui/widgets/accessibility.h"

namespace ui {

// A kept version, and whether its line says how it compares with the
// tables now.
struct EarlierVersionsDialog::Version {
    rules::KeptVersion kept;
    bool summarized = false;
};

namespace {

// Versions up to this size are read ahead to fill in their lines; a larger
// one is read when selected, so that one such version is in memory at a
// time, never two.
constexpr std::uintmax_t kReadAhead = 16u << 20;

bool ReadAhead(const rules::KeptVersion& version) { return version.size <= kReadAhead; }

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

    for (rules::KeptVersion& kept : versions) versions_.push_back({std::move(kept), false});

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("VersionList"));
    NameForScreenReaders(list_, tr("Kept versions"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Kept"), tr("Size"), tr("Differences from now")});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const Version& version : versions_) {
        auto* item = new QTreeWidgetItem(
            list_, {KeptAt(version.kept),
                    tr("%1 bytes").arg(QLocale().toString(qulonglong(version.kept.size))),
                    ReadAhead(version.kept) ? QString() : SelectToCompare()});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    filler_ = new QTimer(this);
    filler_->setInterval(0);
    connect(filler_, &QTimer::timeout, this, &EarlierVersionsDialog::FillNext);

    // From then to now, as time went.
    panel_ = new ComparisonPanel(editor, ComparisonPanel::Order::TheirsToNow, this);
    panel_->View()->setObjectName(QStringLiteral("VersionDifferences"));
    panel_->Show(nullptr, tr("Select a version to see what differs."));
    connect(panel_, &ComparisonPanel::RecordActivated, this, &EarlierVersionsDialog::RecordActivated);
    connect(panel_, &ComparisonPanel::CellActivated, this, &EarlierVersionsDialog::CellActivated);
    // Whatever changed the tables (a take, an undo), the lines follow: the
    // selected version's from the panel, which compares it anew.
    connect(&editor_, &DocumentEditor::FieldsChanged, this, &EarlierVersionsDialog::TablesChanged);
    connect(&editor_, &DocumentEditor::CellsChanged, this, &EarlierVersionsDialog::TablesChanged);
    connect(&editor_, &DocumentEditor::Replaced, this, &EarlierVersionsDialog::TablesChanged);
    connect(panel_, &ComparisonPanel::Compared, this,
            [this](const rules::Comparison& comparison) { Summarize(shownRow_, comparison); });

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

void EarlierVersionsDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The other lines once the list is in sight, not before.
    if (!painted_) {
        painted_ = true;
        filler_->start();
    }
}

std::shared_ptr<const rules::RulesDocument> EarlierVersionsDialog::Read(int row) {
    Version& version = versions_[size_t(row)];
    std::string bytes;
    if (const rules::Status read = rules::ReadWholeFile(version.kept.path, bytes); !read) {
        list_->topLevelItem(row)->setText(2, QString::fromStdString(read.message));
        version.summarized = true;
        return nullptr;
    }
    auto document = std::make_shared<rules::RulesDocument>();
    document->AdoptBytes(std::move(bytes), editor_.Document().GetLanguage());
    document->Parse();
    return document;
}

void EarlierVersionsDialog::Summarize(int row, const rules::Comparison& comparison) {
    if (row < 0 || row >= int(versions_.size())) return;
    versions_[size_t(row)].summarized = true;
    list_->topLevelItem(row)->setText(2, QString::fromStdString(rules::SummaryLine(comparison)));
}

QString EarlierVersionsDialog::SelectToCompare() { return tr("Select it to compare"); }

void EarlierVersionsDialog::TablesChanged() {
    for (std::size_t i = 0; i < versions_.size(); ++i) {
        if (int(i) == shownRow_ && shown_) continue;
        versions_[i].summarized = false;
        if (!ReadAhead(versions_[i].kept)) list_->topLevelItem(int(i))->setText(2, SelectToCompare());
    }
    if (painted_) filler_->start();
}

void EarlierVersionsDialog::FillNext() {
    const auto next = std::find_if(versions_.begin(), versions_.end(),
                                   [](const Version& version) {
                                       return !version.summarized && ReadAhead(version.kept);
                                   });
    if (next == versions_.end()) return filler_->stop();
    const int row = int(next - versions_.begin());
    if (const auto document = Read(row)) Summarize(row, rules::Compare(*document, editor_.Document()));
}

void EarlierVersionsDialog::ShowSelected() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= int(versions_.size())) return;
    // One version in memory: the one shown drops the one before.
    shownRow_ = -1;
    shown_.reset();
    panel_->Show(nullptr, QString());
    shown_ = Read(row);
    shownRow_ = row;
    restore_->setEnabled(shown_ != nullptr);
    // Showing it compares it, and the panel's comparison makes its line.
    panel_->Show(shown_, list_->topLevelItem(row)->text(2));
}

void EarlierVersionsDialog::RestoreSelected() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row != shownRow_ || !shown_) return;
    const Version& version = versions_[size_t(row)];
    editor_.ReplaceDocument(shown_->TakeContent(),
                            tr("Restore Version of %1").arg(KeptAt(version.kept)));
    accept();
}

}  // namespace ui
