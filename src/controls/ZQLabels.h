// Labels that draw their caption with a raised, lowered or shadowed 3D look,
// in colours that follow the mouse (TZQLabel), and link labels that open
// their link when clicked and offer to open or copy it (TZQUrlLabel).
//
// A label is a small child window that paints itself; it tracks the mouse
// entering and leaving it (TrackMouseLeave), so hover colours go back when
// the pointer leaves.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/ZQTypes.h"
#include "toolkit/Controls.h"
#include "toolkit/Menus.h"

enum TZQTextStyle { tsNone, tsRaised, tsHeavyRaised, tsLowered, tsHeavyLowered, tsShadow };
enum TEllipsesStyle { esNone, esEnd, esPath };
enum TZQBevel { bvNone, bvLowered, bvRaised };
enum TZQBorder { bsNone, bsSingle };
enum class TTextAlignment { Left, Right, Center };
enum class TTextLayout { Top, Center, Bottom };

// One copy of the caption drawn for a text style: which colour set and how
// far it is moved right and down.
enum class TCopyColor { Light, Shadow, Text };
struct TTextCopy {
    TCopyColor color;
    int offset;
    bool operator==(const TTextCopy& o) const { return color == o.color && offset == o.offset; }
};
// The copies of a text style in drawing order; the text itself comes last.
std::vector<TTextCopy> TextCopiesOf(TZQTextStyle style, int shadowIndent);

// The DrawText flags a label paints its caption with.
struct TLabelTextOptions {
    TTextAlignment alignment = TTextAlignment::Left;
    TTextLayout layout = TTextLayout::Top;
    bool wordWrap = false;
    bool showAccelChar = true;
    TEllipsesStyle ellipses = esNone;
};
UINT LabelDrawFlags(const TLabelTextOptions& options);

// The mouse state that picks a label's colours.
TZQMouseState LabelMouseState(bool hovering, bool released);

class TZQCustomLabel : public TControl {
public:
    TZQCustomLabel();

    void SetText(const std::string& text) override;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TZQBevel Bevel() const { return bevel_; }
    void SetBevel(TZQBevel value);
    TZQBorder Border() const { return border_; }
    void SetBorder(TZQBorder value);
    TEllipsesStyle EllipsesStyle() const { return ellipses_; }
    // esEnd and esPath switch AutoSize off first: the text is cut to the width.
    void SetEllipsesStyle(TEllipsesStyle value);
    int ShadowIndent() const { return shadowIndent_; }
    void SetShadowIndent(int value);
    TZQTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TZQTextStyle value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TTextAlignment Alignment() const { return options_.alignment; }
    void SetAlignment(TTextAlignment value);
    TTextLayout Layout() const { return options_.layout; }
    void SetLayout(TTextLayout value);
    bool ShowAccelChar() const { return options_.showAccelChar; }
    void SetShowAccelChar(bool value);
    // Background colour when not transparent (CLR_DEFAULT: the dialog colour).
    void SetColor(COLORREF value);

    const TZQTextColors& TextColors() const { return textColors_; }
    TZQTextColors& TextColors() { return textColors_; }
    void SetTextColors(const TZQTextColors& value);
    // The colour the caption is drawn in now (the font colour).
    COLORREF FontColor() const { return fontColor_; }

    bool Hovering() const { return hovering_; }
    bool Released() const { return released_; }
    // Fits the bounds to the caption (when AutoSize is on).
    void AdjustBounds();

    TNotifyEvent onMouseEnter;
    TNotifyEvent onMouseLeave;
    TNotifyEvent onClick;

    // The mouse handling, as the window's messages run it.
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void MouseDown(bool left);
    virtual void MouseUp(bool left, bool inside);

protected:
    TCreateParams KindParams() const override;
    void AfterCreate() override;
    void FontChanged() override;
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc);
    void Repaint();

private:
    TLabelTextOptions options_;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    TZQBevel bevel_ = bvNone;
    TZQBorder border_ = bsNone;
    TEllipsesStyle ellipses_ = esNone;
    int shadowIndent_ = 1;
    TZQTextStyle textStyle_ = tsRaised;
    bool transparent_ = true;
    COLORREF color_ = CLR_DEFAULT;
    TZQTextColors textColors_;
    COLORREF fontColor_;
    bool hovering_ = false;
    bool released_ = true;
};

class TZQLabel : public TZQCustomLabel {};

// The ten kinds of link a link label accepts.
extern const char* const LinkPrefixes[10];

// Opens a link through the shell: `file` with `parameters` (empty: none);
// true when it started. Replaceable, so that tests see what would be opened.
using TShellOpen = std::function<bool(const std::string& file, const std::string& parameters)>;
// Installs an opener; returns the one installed before. Null: the shell.
TShellOpen SetShellOpen(TShellOpen opener);

class TZQUrlLabel : public TZQLabel {
public:
    TZQUrlLabel();

    const std::string& Url() const { return url_; }
    // "www." gets "http://" in front; a value holding none of the link
    // prefixes raises ZQException "'<value>' is not a valid linkaddress.",
    // unless it equals the stored one.
    void SetUrl(const std::string& value);
    bool NewWindow() const { return newWindow_; }
    void SetNewWindow(bool value) { newWindow_ = value; }

    // Opens the link: with NewWindow, in the program registered for its
    // scheme; otherwise (or when no program is registered) as the link itself.
    void OpenLink();
    // Puts the link on the clipboard as text. Raises ZQException when the
    // clipboard can't be opened or the text can't be made or placed on it
    // (the clipboard keeps what it held, unless the placing failed).
    void CopyLink();

    TPopupMenu& Menu() { return menu_; }
    TMenuItem OpenItem, CopyItem;

protected:
    void AfterCreate() override;

private:
    std::string url_;
    bool newWindow_ = true;
    TPopupMenu menu_;
};
