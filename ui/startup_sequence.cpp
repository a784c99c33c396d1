#include "ui/startup_sequence.h"

#include <QStringList>
#include <utility>

#include "rules/document/file_names.h"
#include "rules/document/findings.h"
#include "rules/document/language.h"
#include "rules/document/settings.h"
#include "ui/dialogs/langue_form.h"
#include "ui/edit/document_editor.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/dialogs/warning_form.h"

namespace ui {

namespace {

// Lists what the readers set aside, so the user knows which lines the editor
// does not show (they are written back unchanged).
void ReportFindings(QWidget* parent, const rules::Findings& findings) {
    if (findings.empty()) return;
    constexpr int kShown = 20;
    QStringList lines;
    for (std::size_t i = 0; i < findings.size() && i < kShown; ++i) {
        lines << QString::fromStdString(rules::Describe(findings[i]));
    }
    if (findings.size() > kShown) {
        lines << QStringLiteral("... and %1 more.").arg(findings.size() - kShown);
    }
    ShowInformationBox(parent,
                       QStringLiteral("Some lines of the rules file could not be read as editable "
                                      "entries. They are kept and saved exactly as they are.\n\n") +
                           lines.join(QLatin1Char('\n')));
}

}  // namespace

StartupSequence::StartupSequence(QWidget& window, DocumentEditor& editor, TLangueForm& langue,
                                 TWarningForm& warning,
                                 std::function<void(const QString&)> noRulesFile,
                                 std::string rulesFile)
    : main_(window), editor_(editor), noRulesFile_(std::move(noRulesFile)), langue_(langue),
      warning_(warning), rulesFile_(std::move(rulesFile)) {}

bool StartupSequence::LoadRules(int language) {
    const rules::Language lang = rules::LanguageFromIndex(language);
    return LoadRulesFile(rules::ResolveFileName(rules::RulesFileName(lang)), language);
}

bool StartupSequence::LoadRulesFile(const std::string& name, int language) {
    const rules::Language lang = rules::LanguageFromIndex(language);
    const rules::Status status = editor_.Load(name, lang);
    if (!status) {
        ShowErrorBox(&main_, QString::fromStdString(status.message));
        noRulesFile_(QString::fromStdString(name));
        return false;
    }
    return true;
}

void StartupSequence::Run() {
    bool warningDue = true;
    bool languageSettled = false;

    // The settings file is optional: its absence is not reported.
    const std::string settingsName = rules::ResolveFileName(rules::kSettingsFileName);
    if (rules::FileIsReadable(settingsName)) {
        rules::LineStore settingsFile;
        if (const rules::Status status = settingsFile.LoadFile(settingsName); !status) {
            ShowErrorBox(&main_, QString::fromStdString(status.message));
            noRulesFile_(QString::fromStdString(settingsName));
            return;
        }
        const rules::Settings settings = rules::ReadSettings(settingsFile);
        if (settings.language && rulesFile_.empty()) {
            if (!LoadRules(static_cast<int>(*settings.language))) return;
            languageSettled = true;
        }
        if (settings.noWarning) warningDue = false;
    }

    // The file the user named wins over the settings file's language.
    if (!rulesFile_.empty()) {
        const auto language = rules::LanguageFromFileName(rulesFile_);
        if (!LoadRulesFile(rulesFile_, static_cast<int>(language.value_or(rules::Language::English))))
            return;
        languageSettled = true;
    }

    // The window steps aside while a dialog asks; with none to ask it stays
    // as it opened (a minimize and restore would only make it flicker).
    const bool dialogDue = warningDue || !languageSettled;
    if (dialogDue) main_.showMinimized();

    bool agreed = true;
    if (warningDue) {
        warning_.ShowModal();
        agreed = warning_.Agreed();
    }

    if (!languageSettled && agreed) {
        langue_.ShowModal();
        if (langue_.LanguageCancelled()) {
            main_.close();
            return;
        }
        if (!LoadRules(langue_.SelectedLanguage())) return;
    }

    if (dialogDue) main_.showNormal();

    if (!agreed) {
        main_.close();
        return;
    }
    editor_.Parse();
    ReportFindings(&main_, editor_.Document().GetFindings());
}

}  // namespace ui
