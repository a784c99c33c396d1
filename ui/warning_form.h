#pragma once

#include <QDialog>

namespace ui {

// The start-up warning: the user agrees to edit the rules at their own risk.
class TWarningForm : public QDialog {
    Q_OBJECT
public:
    explicit TWarningForm(QWidget* parent = nullptr);

    void ShowModal();
    // Set by "I agree"; "I don't agree" and the close box leave it false.
    bool Agreed() const { return agreed_; }

    void AgreeButtonClick();
    void DontAgreeButtonClick();

    static QStringList WarningLines();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool agreed_ = false;
};

}  // namespace ui
