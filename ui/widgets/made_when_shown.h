#pragma once

namespace ui {

// A widget that makes its controls just before it first shows, or when
// asked, rather than when it is created: the window opens without what it
// does not show. Made before the widget shows, not in its show event, so
// that the controls show with it.
template <typename Base>
class MadeWhenShown : public Base {
public:
    using Base::Base;

    void EnsureBuilt() {
        if (built_) return;
        built_ = true;
        Build();
    }
    bool Built() const { return built_; }

    void setVisible(bool visible) override {
        if (visible) EnsureBuilt();
        Base::setVisible(visible);
    }

protected:
    // Makes the controls and shows in them what there is to show; called
    // once, by EnsureBuilt. Until then the widget ignores what changes.
    virtual void Build() = 0;

private:
    bool built_ = false;
};

}  // namespace ui
