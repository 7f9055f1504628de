// Colour sets of the labels: the colours of a text by mouse state, and the
// text, light and shadow colours a label draws its caption with.
#pragma once

#include <functional>

#include "platform/Win32.h"

// The three mouse states a label tells apart.
enum class TZQMouseState { Normal, Hover, Down };

// Three colours, one per mouse state. After every change the change handler
// runs, when one is set.
class TZQMouseColors {
public:
    // Window text, highlight text and grey text of the system.
    TZQMouseColors();
    TZQMouseColors(COLORREF color, COLORREF hover, COLORREF down);

    COLORREF Color() const { return color_; }
    COLORREF HoverColor() const { return hover_; }
    COLORREF DownColor() const { return down_; }
    void SetColor(COLORREF value);
    void SetHoverColor(COLORREF value);
    void SetDownColor(COLORREF value);
    // The colour for a mouse state.
    COLORREF ColorOf(TZQMouseState state) const;
    // Copies all three colours of `source`, then notifies once.
    void Assign(const TZQMouseColors& source);

    std::function<void()> onChange;

private:
    void Changed();
    COLORREF color_;
    COLORREF hover_;
    COLORREF down_;
};

// The colours of a label's text: by mouse state for the text itself and for
// its light and shadow copies, and one colour for a disabled label. The
// owned sets have no change handler, so changing one colour of them shows at
// the label's next paint; the setters here notify the owner at once.
class TZQTextColors {
public:
    TZQTextColors();

    const TZQMouseColors& Colors() const { return colors_; }
    const TZQMouseColors& LightColors() const { return light_; }
    const TZQMouseColors& ShadowColors() const { return shadow_; }
    COLORREF DisabledColor() const { return disabled_; }
    TZQMouseColors& Colors() { return colors_; }
    TZQMouseColors& LightColors() { return light_; }
    TZQMouseColors& ShadowColors() { return shadow_; }

    void SetColors(const TZQMouseColors& value);
    void SetLightColors(const TZQMouseColors& value);
    void SetShadowColors(const TZQMouseColors& value);
    void SetDisabledColor(COLORREF value);
    // Copies all colours of `source`, then notifies once.
    void Assign(const TZQTextColors& source);

    std::function<void()> onChange;

private:
    void Changed();
    TZQMouseColors colors_;
    TZQMouseColors light_;
    TZQMouseColors shadow_;
    COLORREF disabled_;
};
