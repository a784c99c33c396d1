#include "ui/widgets/key_help.h"

#include <QAction>
#include <QKeySequence>
#include <QObject>
#include <QShortcut>
#include <QStringList>
#include <QVariant>

namespace ui {

namespace {

constexpr const char* kDeclared = "declaredKeys";

QString Keys(const QList<QKeySequence>& sequences) {
    QStringList keys;
    for (const QKeySequence& keySequence : sequences)
        keys << keySequence.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

// "&Save Changes" -> "Save Changes"; "&Earlier Versions..." -> "Earlier Versions".
QString MenuText(QString text) {
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QStringLiteral("..."))) text.chop(3);
    return text;
}

}  // namespace

void DeclareKeys(QObject* owner, const QString& keys, const QString& what) {
    QStringList declared = owner->property(kDeclared).toStringList();
    declared << keys << what;
    owner->setProperty(kDeclared, declared);
}

QList<QPair<QString, QString>> GatherKeys(const QObject* root) {
    QList<QPair<QString, QString>> rows;
    const auto add = [&rows](const QString& keys, const QString& what) {
        if (keys.isEmpty() || what.isEmpty()) return;
        const QPair<QString, QString> row{keys, what};
        if (!rows.contains(row)) rows << row;
    };
    QList<const QObject*> objects{root};
    for (const QObject* child : root->findChildren<QObject*>()) objects << child;
    // The menus' actions first, in menu order, then what the pages handle.
    for (const QObject* object : objects) {
        if (const auto* action = qobject_cast<const QAction*>(object)) {
            // A "What's This" text names actions whose menu text changes
            // ("Undo Attack of Ember Guard").
            add(Keys(action->shortcuts()),
                action->whatsThis().isEmpty() ? MenuText(action->text()) : action->whatsThis());
        }
    }
    for (const QObject* object : objects) {
        if (const auto* shortcut = qobject_cast<const QShortcut*>(object)) {
            add(Keys(shortcut->keys()), shortcut->whatsThis());
        }
        const QStringList declared = object->property(kDeclared).toStringList();
        for (qsizetype k = 0; k + 1 < declared.size(); k += 2) add(declared[k], declared[k + 1]);
    }
    return rows;
}

}  // namespace ui
