#include "ui/language/translated_text.h"

#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QLabel>
#include <QWidget>

#include "ui/widgets/widget_helpers.h"

namespace ui {

QString Caption::Text() const { return QCoreApplication::translate(context, source); }

namespace {

// A child of the widget it retitles: the widget hands every LanguageChange
// on to its children, so the binding hears of it without the widget's own
// code taking part, and goes when the widget goes.
class TextBinding : public QObject {
  public:
    explicit TextBinding(QWidget* widget) : QObject(widget) {
        setObjectName(QStringLiteral("TextBinding"));
    }

    void Set(QObject* target, const char* property, Caption caption) {
        Entry entry{target, QByteArray(property), caption};
        bool found = false;
        for (Entry& known : entries_) {
            if (known.target == target && known.property == entry.property) {
                known = entry;
                found = true;
            }
        }
        if (!found) entries_ << entry;
        Apply(entry);
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) {
            for (const Entry& entry : entries_) Apply(entry);
        }
        return QObject::event(event);
    }

  private:
    struct Entry {
        QPointer<QObject> target;
        QByteArray property;
        Caption caption;
    };

    static void Apply(const Entry& entry) {
        if (!entry.target) return;
        entry.target->setProperty(entry.property.constData(), entry.caption.Text());
        if (auto* label = qobject_cast<QLabel*>(entry.target.data());
            label && entry.property == "text")
            FitLabelToText(label);
    }

    QList<Entry> entries_;
};

}  // namespace

void BindText(QWidget* widget, const char* property, Caption caption) {
    BindText(widget, widget, property, caption);
}

void BindText(QWidget* host, QObject* target, const char* property, Caption caption) {
    QWidget* widget = host;
    TextBinding* binding = nullptr;
    for (QObject* child : widget->children())
        if (auto* found = dynamic_cast<TextBinding*>(child)) binding = found;
    if (!binding) binding = new TextBinding(widget);
    binding->Set(target, property, caption);
}

}  // namespace ui
