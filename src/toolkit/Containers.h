// Controls that hold other controls: panel, group box and tab control. Their
// children are placed in their client coordinates; aligned children share
// the inner area (inside the bevels, inside the tabs).
#pragma once

#include <string>
#include <vector>

#include "toolkit/Controls.h"

enum class TBevelCut { None, Lowered, Raised };

// A panel: a plain child window in the dialog colour, with an outer and an
// inner bevel of one pixel each, drawn inside its bounds.
class TPanel : public TControl {
public:
    TPanel(TBevelCut outer = TBevelCut::Raised, TBevelCut inner = TBevelCut::None)
        : outer_(outer), inner_(inner) {}
    void SetBevels(TBevelCut outer, TBevelCut inner);
    TBevelCut BevelOuter() const { return outer_; }
    TBevelCut BevelInner() const { return inner_; }
    // Width of the frame the bevels take on each side.
    int BevelSize() const;

protected:
    TCreateParams KindParams() const override;
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    RECT AlignRect() const override;

private:
    TBevelCut outer_;
    TBevelCut inner_;
};

// A group box whose caption frames the controls placed on it.
class TGroupBox : public TControl {
protected:
    TCreateParams KindParams() const override;
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// A tab control holding controls below its tabs. Setting the tab index
// does not run onChange; a click on a tab does.
class TTabControl : public TControl {
public:
    void SetTabs(const std::vector<std::string>& captions);
    int TabCount() const;
    std::string TabCaption(int index) const;
    // Selected tab, or -1.
    int TabIndex() const;
    void SetTabIndex(int index);
    TNotifyEvent onChange;

protected:
    TCreateParams KindParams() const override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    RECT AlignRect() const override;
};
