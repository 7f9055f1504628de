// TZQSplitter (unit ZQMiscCtrl): a bar between two aligned controls of one
// parent. Dragging it resizes the neighbour on its aligned side (never below
// MinSize, never so far that the controls beyond lose theirs); a click on its
// handle collapses the neighbour to nothing and the next click restores it.
// Escape ends a drag without applying it.
#pragma once

#include <functional>

#include "toolkit/Controls.h"

enum TZQHandleWidthType { hwtPixels, hwtPercentage };
enum THandleAlign { haLeft, haCenter, haRight };
enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
enum class TArrowDirection { Left, Right, Up, Down };

// The handle's length: pixels, or a percentage of `base` (100: all of it;
// otherwise truncated, at least 1).
int SplitterHandleLength(TZQHandleWidthType type, int handleSize, int base);
// Start and end of the handle along a bar of length `barLength`.
struct TSpan {
    int start;
    int end;
    bool operator==(const TSpan& o) const { return start == o.start && end == o.end; }
};
TSpan SplitterHandleSpan(THandleAlign align, int barLength, int handleLength);
// The neighbour's new size for a mouse offset `split` from the press,
// clamped to [minSize, limit]; a clamp moves the split by the same amount.
struct TSplitSize {
    int size;
    int split;
    bool operator==(const TSplitSize& o) const { return size == o.size && split == o.split; }
};
TSplitSize SplitterNewSize(TAlign align, int controlSize, int split, int minSize, int limit);

// Its sizes are screen pixels; the defaults (handle 80, MinSize 30, least
// thickness 7) are design pixels scaled to the screen (DesignScale.h).
class TZQSplitter : public TControl {
public:
    static constexpr int kMinThickness = 7; // design pixels
    TZQSplitter();

    // Left, right, top and bottom only: None and Client raise Exception.
    void SetAlign(TAlign align);
    // The least thickness of a handled bar, in screen pixels.
    static int MinThickness();
    // Raise Exception below MinThickness for a handled bar across the alignment.
    void SetWidth(int value);
    void SetHeight(int value);

    // The bar's fill colour (CLR_DEFAULT: its parent's, the dialog colour).
    COLORREF Color() const { return color_; }
    void SetColor(COLORREF value);
    bool Handled() const { return handled_; }
    void SetHandled(bool value);
    int HandleSize() const { return handleSize_; }
    void SetHandleSize(int value);
    TZQHandleWidthType HandleWidthType() const { return handleWidthType_; }
    void SetHandleWidthType(TZQHandleWidthType value);
    THandleAlign HandleAlign() const { return handleAlign_; }
    void SetHandleAlign(THandleAlign value);
    int MinSize() const { return minSize_; }
    void SetMinSize(int value) { minSize_ = value; }
    TResizeStyle ResizeStyle() const { return resizeStyle_; }
    void SetResizeStyle(TResizeStyle value) { resizeStyle_ = value; }
    TArrowDirection Arrow() const { return arrow_; }

    // Finds the neighbours; call once all controls of the parent exist.
    void Loaded();
    // The control a drag resizes, or null.
    TWindow* ResizeControl() const;
    // The handle's rectangle in the bar's client coordinates.
    RECT HandleRect() const;
    // Collapses the neighbour (size 0) or restores it, as a click on the handle does.
    void ToggleCollapse();
    bool Collapsed() const { return oldSize_ == 0; }
    // The size a restore gives the neighbour.
    int RestoreSize() const { return savedSize_; }
    // Sets the neighbour's size as a finished drag does (0 collapses and
    // keeps `restoreSize` for the next restore).
    void SetNeighbourSize(int size, int restoreSize);
    bool Dragging() const { return dragControl_ != nullptr; }

    // May change the new size of a drag or refuse it (accept := false).
    std::function<void(int& newSize, bool& accept)> onCanResize;
    TNotifyEvent onMoved;
    TNotifyEvent onPaint;

protected:
    TCreateParams KindParams() const override;
    void AfterCreate() override;
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool Vertical() const; // aligned left or right: a vertical bar
    int BarLength() const;
    void Paint(HDC dc);
    void MouseDown(POINT p);
    void MouseMove(POINT p, bool leftDown);
    void MouseUp();
    // The new size and split for the pointer at `p` during a drag.
    TSplitSize CalcSplitSize(POINT p) const;
    void DrawFeedback();
    void ApplySize();
    void StopSizing();
    TArrowDirection DirectionOfAlign() const;
    TWindow* FindNeighbour(POINT at, bool widenBackward) const;

    bool handled_ = true;
    int handleSize_;
    TZQHandleWidthType handleWidthType_ = hwtPixels;
    THandleAlign handleAlign_ = haCenter;
    int minSize_;
    TResizeStyle resizeStyle_ = rsPattern;
    TArrowDirection arrow_ = TArrowDirection::Left;
    HCURSOR barCursor_ = nullptr;

    TWindow* before_ = nullptr; // neighbour left of or above the bar
    TWindow* after_ = nullptr;  // neighbour right of or below it
    TWindow* dragControl_ = nullptr;
    POINT down_ = {0, 0};
    POINT last_ = {-1, -1};
    bool moved_ = false;
    int limit_ = 0;
    int newSize_ = 0;
    int split_ = 0;
    int oldSize_ = -1;
    int savedSize_ = 0;
    COLORREF color_ = CLR_DEFAULT;
    HDC feedbackDc_ = nullptr;
    bool parentLocked_ = false;
    bool feedbackShown_ = false;
    HWND previousFocus_ = nullptr;
    TBitmapHandle arrows_[4];
};
