#include "controls/ZQTypes.h"

TZQMouseColors::TZQMouseColors()
    : TZQMouseColors(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HIGHLIGHTTEXT),
                     GetSysColor(COLOR_GRAYTEXT)) {}

TZQMouseColors::TZQMouseColors(COLORREF color, COLORREF hover, COLORREF down)
    : color_(color), hover_(hover), down_(down) {}

void TZQMouseColors::SetColor(COLORREF value) {
    if (value == color_)
        return;
    color_ = value;
    Changed();
}

void TZQMouseColors::SetHoverColor(COLORREF value) {
    if (value == hover_)
        return;
    hover_ = value;
    Changed();
}

void TZQMouseColors::SetDownColor(COLORREF value) {
    if (value == down_)
        return;
    down_ = value;
    Changed();
}

COLORREF TZQMouseColors::ColorOf(TZQMouseState state) const {
    switch (state) {
    case TZQMouseState::Hover:
        return hover_;
    case TZQMouseState::Down:
        return down_;
    default:
        return color_;
    }
}

void TZQMouseColors::Assign(const TZQMouseColors& source) {
    // Copied as a whole, so that no colour is compared with one already
    // overwritten.
    color_ = source.color_;
    hover_ = source.hover_;
    down_ = source.down_;
    Changed();
}

void TZQMouseColors::Changed() {
    if (onChange)
        onChange();
}

TZQTextColors::TZQTextColors()
    : light_(GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHTTEXT),
             GetSysColor(COLOR_GRAYTEXT)),
      shadow_(GetSysColor(COLOR_GRAYTEXT), GetSysColor(COLOR_HIGHLIGHTTEXT),
              GetSysColor(COLOR_GRAYTEXT)),
      disabled_(GetSysColor(COLOR_GRAYTEXT)) {}

void TZQTextColors::SetColors(const TZQMouseColors& value) {
    colors_.Assign(value);
    Changed();
}

void TZQTextColors::SetLightColors(const TZQMouseColors& value) {
    light_.Assign(value);
    Changed();
}

void TZQTextColors::SetShadowColors(const TZQMouseColors& value) {
    shadow_.Assign(value);
    Changed();
}

void TZQTextColors::SetDisabledColor(COLORREF value) {
    disabled_ = value;
    Changed();
}

void TZQTextColors::Assign(const TZQTextColors& source) {
    colors_.Assign(source.colors_);
    light_.Assign(source.light_);
    shadow_.Assign(source.shadow_);
    disabled_ = source.disabled_;
    Changed();
}

void TZQTextColors::Changed() {
    if (onChange)
        onChange();
}
