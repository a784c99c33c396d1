#include "ui/language/language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/widgets/remembered_settings.h"

namespace ui {

namespace {

const QString kSettingsKey = QStringLiteral("view/language");

struct Translators {
    QTranslator editor;
    QTranslator qt;  // the standard buttons, the file chooser
    QString current = QStringLiteral("en");
};

Translators& Loaded() {
    static Translators translators;
    return translators;
}

bool Spoken(const QString& code) {
    for (const EditorLanguage& language : EditorLanguages())
        if (language.code == code) return true;
    return false;
}

}  // namespace

QList<EditorLanguage> EditorLanguages() {
    return {{QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("fr"), QStringLiteral("Français")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")}};
}

QString ChosenLanguage() {
    const QString code = RememberedSettings().value(kSettingsKey).toString();
    return Spoken(code) ? code : QString();
}

void RememberLanguage(const QString& code) {
    if (code.isEmpty())
        RememberedSettings().remove(kSettingsKey);
    else
        RememberedSettings().setValue(kSettingsKey, code);
}

QString EffectiveLanguage(const QString& chosen) {
    if (Spoken(chosen)) return chosen;
    const QString desktop = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
    return Spoken(desktop) ? desktop : QStringLiteral("en");
}

QString ApplyLanguage(const QString& code) {
    Translators& loaded = Loaded();
    const QString language = EffectiveLanguage(code);
    if (language == loaded.current) return language;
    QCoreApplication::removeTranslator(&loaded.editor);
    QCoreApplication::removeTranslator(&loaded.qt);
    loaded.current = language;
    if (language != QStringLiteral("en")) {
        // Ours are built into the program; Qt's come with the system's Qt.
        if (loaded.editor.load(QStringLiteral(":/i18n/ovantra_%1.qm").arg(language)))
            QCoreApplication::installTranslator(&loaded.editor);
        if (loaded.qt.load(QStringLiteral("qtbase_%1").arg(language),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&loaded.qt);
    }
    return language;
}

QString CurrentLanguage() { return Loaded().current; }

}  // namespace ui
