// The simple controls: one small class per kind, each owning its window,
// with typed accessors (one message each) and its events as members.
//
// A form creates its controls from a table of TControlRow: the member to
// create (its class is the kind), name, caption, position, parent, hint,
// alignment and any extra window styles of the kind (LBS_SORT, ...). The
// position is in design pixels, scaled to the screen when the control is
// made (DesignScale.h).
#pragma once

#include <initializer_list>

#include <string>

#include "toolkit/Handles.h"
#include "toolkit/Window.h"

class TControl;

struct TControlRow;
// Creates the controls of a table in its order (the order of siblings is
// their tab order); every row names its parent.
void CreateControlRows(std::initializer_list<TControlRow> rows);

struct TControlRow {
    TControl* control = nullptr;
    const char* name = "";
    const char* caption = "";
    TBounds bounds = {};
    TWindow* parent = nullptr;
    const char* hint = "";
    TAlign align = TAlign::None;
    DWORD style = 0; // added to the kind's own styles
};

class TControl : public TWindow {
public:
    // Creates the control's window as the row says, its bounds scaled to
    // the screen.
    void Create(const TControlRow& row);

protected:
    // The window class and the styles of the kind.
    virtual TCreateParams KindParams() const = 0;
    // Runs after the window exists (sizes to content, fills parts, ...).
    virtual void AfterCreate() {}
};

// A static text. It sizes itself to its text (AutoSize) unless switched off;
// a word-wrapping label keeps its width and grows in height.
class TLabel : public TControl {
public:
    void SetText(const std::string& text) override;
    // Font colour (CLR_DEFAULT: the system's window text colour).
    void SetFontColor(COLORREF color);
    COLORREF FontColor() const { return color_; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    void SetWordWrap(bool on);
    // Sizes the label to its text now.
    void AdjustSize();

protected:
    TCreateParams KindParams() const override;
    void AfterCreate() override { AdjustSize(); }
    void FontChanged() override { AdjustSize(); }
    HBRUSH OnCtlColor(HDC dc) override;

private:
    COLORREF color_ = CLR_DEFAULT;
    bool autoSize_ = true;
    bool wordWrap_ = false;
};

class TButton : public TControl {
public:
    // Hands the button's modal result (if any) to its form, then runs onClick.
    void Click();
    // The modal result the button gives its form when clicked (mrNone: none).
    void SetModalResult(int result) { modalResult_ = result; }
    int ModalResult() const { return modalResult_; }
    // Shown as the default button (BS_DEFPUSHBUTTON).
    void SetDefault(bool on);
    TNotifyEvent onClick;

protected:
    TCreateParams KindParams() const override;
    bool OnCommand(WORD code, WORD id) override;

private:
    int modalResult_ = 0;
};

// A check box. Setting Checked to a new state runs onClick, as a click does.
class TCheckBox : public TControl {
public:
    bool Checked() const;
    void SetChecked(bool checked);
    TNotifyEvent onClick;

protected:
    TCreateParams KindParams() const override;
    bool OnCommand(WORD code, WORD id) override;
};

// A single-line edit field. onChange runs at every change of its text.
class TEdit : public TControl {
public:
    bool ReadOnly() const;
    void SetReadOnly(bool on);
    // Background colour (CLR_DEFAULT: the system's).
    void SetColor(COLORREF color);
    TNotifyEvent onChange;

protected:
    TCreateParams KindParams() const override;
    bool OnCommand(WORD code, WORD id) override;
    HBRUSH OnCtlColor(HDC dc) override;

private:
    COLORREF color_ = CLR_DEFAULT;
    TBrushHandle brush_;
};

// A bevel: an etched frame, or an etched line when the row's style says
// SS_ETCHEDHORZ.
class TBevel : public TControl {
protected:
    TCreateParams KindParams() const override;
    void AfterCreate() override;
};

// An image showing an icon, centred; it owns the icon it shows.
class TImage : public TControl {
public:
    // Shows `icon` (null: nothing) and takes it over.
    void SetIcon(TIconHandle icon);
    HICON Icon() const { return icon_.Get(); }
    TNotifyEvent onClick;

protected:
    TCreateParams KindParams() const override;
    bool OnCommand(WORD code, WORD id) override;

private:
    TIconHandle icon_;
};
