#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QObject;

namespace ui {

// Declares keys that a control handles itself (Enter in a list, Escape in a
// search field), so that the list of keyboard shortcuts, which is gathered
// from the window, finds them where they are handled.
void DeclareKeys(QObject* owner, const QString& keys, const QString& what);

// Every key of `root` and everything under it: the shortcuts of its actions
// (named by their menu texts) and of its shortcut objects (by their "What's
// This" text), and the keys declared with DeclareKeys; each once, in the
// order found.
QList<QPair<QString, QString>> GatherKeys(const QObject* root);

}  // namespace ui
