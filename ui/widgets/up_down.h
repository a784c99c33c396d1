#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ui {

// A pair of horizontal arrows bound to an edit field. It steps the number
// shown in the edit by one within [minimum, maximum], wrapping around only
// when asked to. The edit itself still accepts any text: the limits bind the
// arrows alone. Up/Down keys in the edit step as the arrows do.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, bool wraps, QWidget* parent);

    void StepUp();    // right arrow
    void StepDown();  // left arrow

    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    bool Wraps() const { return wraps_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int delta);

    QLineEdit* buddy_;
    int minimum_;
    int maximum_;
    bool wraps_;
};

}  // namespace ui
