#include "ui/dialogs/rename_prompt.h"

#include <QMessageBox>

#include "ui/dialogs/message_boxes.h"
#include "ui/dialogs/rename_form.h"
#include "ui/codec/text_codec.h"

namespace ui {

std::optional<std::string> AskForNewName(TRenameForm& form, QWidget* parent,
                                         std::string_view currentName, const QString& separators) {
    form.SetNewName(ToDisplay(currentName));
    form.ShowModal();
    if (!form.RenameAccepted()) return std::nullopt;

    const QString typed = form.NewNameText();
    QString problem;
    if (typed.trimmed().isEmpty()) {
        problem = QStringLiteral("A name cannot be empty.");
    } else if (typed.trimmed().startsWith(QLatin1Char('@'))) {
        // The line would start with "@" and be read as the next section's header.
        problem = QStringLiteral("A name cannot begin with \"@\", which starts a new section of the rules file.");
    } else {
        problem = FileTextValidator(separators).Problem(typed);
    }
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, ApplicationTitle(),
                        QStringLiteral("The name \"%1\" cannot be used. %2\nThe name stays \"%3\".")
                            .arg(typed, problem, ToDisplay(currentName)),
                        QMessageBox::Ok, parent);
        box.setObjectName(QStringLiteral("RenameRefusedBox"));
        box.exec();
        return std::nullopt;
    }
    return FromDisplay(typed);
}

}  // namespace ui
