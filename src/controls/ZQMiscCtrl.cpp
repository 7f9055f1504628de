#include "controls/ZQMiscCtrl.h"

#include <algorithm>

#include "support/Exception.h"
#include "toolkit/DesignScale.h"
#include "toolkit/SystemWindows.h"

namespace {

// The arrow bitmaps in the order of TArrowDirection.
const char* const kArrowNames[4] = {"UPCLICK_LEFT", "UPCLICK_RIGHT", "UPCLICK_UP", "UPCLICK_DOWN"};

bool AlignedSideways(TAlign align) {
    return align == TAlign::Left || align == TAlign::Right;
}

TArrowDirection Reversed(TArrowDirection d) {
    switch (d) {
    case TArrowDirection::Left:
        return TArrowDirection::Right;
    case TArrowDirection::Right:
        return TArrowDirection::Left;
    case TArrowDirection::Up:
        return TArrowDirection::Down;
    default:
        return TArrowDirection::Up;
    }
}

} // namespace

int SplitterHandleLength(TZQHandleWidthType type, int handleSize, int base) {
    if (type == hwtPixels)
        return handleSize;
    if (handleSize >= 100)
        return base;
    return std::max(1, static_cast<int>(base * 0.01 * handleSize));
}

TSpan SplitterHandleSpan(THandleAlign align, int barLength, int length) {
    switch (align) {
    case haLeft:
        return {0, length};
    case haRight:
        return {barLength - length, barLength};
    default:
        return {barLength / 2 - length / 2, barLength / 2 - length / 2 + length};
    }
}

TSplitSize SplitterNewSize(TAlign align, int controlSize, int split, int minSize, int limit) {
    int size = 0;
    switch (align) {
    case TAlign::Right:
    case TAlign::Bottom:
        size = controlSize - split;
        break;
    default:
        size = controlSize + split;
        break;
    }
    const int clamped = std::max(minSize, std::min(size, limit));
    if (clamped != size) {
        if (align == TAlign::Right || align == TAlign::Bottom)
            split += size - clamped;
        else
            split -= size - clamped;
    }
    return {clamped, split};
}

// --- TZQSplitter

TZQSplitter::TZQSplitter() : handleSize_(Scaled(80)), minSize_(Scaled(30)) {}

int TZQSplitter::MinThickness() {
    return Scaled(kMinThickness);
}

TCreateParams TZQSplitter::KindParams() const {
    return {"CorvixZQSplitter"};
}

void TZQSplitter::AfterCreate() {
    barCursor_ = SystemCursor(IDC_SIZEWE);
    const int factor = BitmapScale();
    for (int i = 0; i < 4; ++i) {
        arrows_[i].Reset(static_cast<HBITMAP>(
            LoadProgramImage(kArrowNames[i], IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
        if (factor > 1 && arrows_[i])
            arrows_[i] = EnlargedBitmap(arrows_[i].Get(), factor);
    }
}

bool TZQSplitter::Vertical() const {
    return AlignedSideways(Align());
}

TArrowDirection TZQSplitter::DirectionOfAlign() const {
    switch (Align()) {
    case TAlign::Top:
        return TArrowDirection::Up;
    case TAlign::Bottom:
        return TArrowDirection::Down;
    case TAlign::Right:
        return TArrowDirection::Right;
    default:
        return TArrowDirection::Left;
    }
}

void TZQSplitter::SetAlign(TAlign align) {
    if (align == TAlign::None || align == TAlign::Client)
        throw Exception("Value not allowed for TZQSplitter component.");
    TControl::SetAlign(align);
    arrow_ = DirectionOfAlign();
    barCursor_ = SystemCursor(Vertical() ? IDC_SIZEWE : IDC_SIZENS);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TZQSplitter::SetWidth(int value) {
    if (handled_ && Vertical() && value < MinThickness())
        throw Exception("Min. width for a handled TZQSplitter component is " +
                        std::to_string(MinThickness()));
    TControl::SetWidth(value);
}

void TZQSplitter::SetHeight(int value) {
    if (handled_ && !Vertical() && value < MinThickness())
        throw Exception("Min. height for a handled TZQSplitter component is " +
                        std::to_string(MinThickness()));
    TControl::SetHeight(value);
}

void TZQSplitter::SetHandled(bool value) {
    handled_ = value;
    if (value && Vertical() && Width() < MinThickness())
        TControl::SetWidth(MinThickness());
    else if (value && !Vertical() && Height() < MinThickness())
        TControl::SetHeight(MinThickness());
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TZQSplitter::SetColor(COLORREF value) {
    if (value == color_)
        return;
    color_ = value;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TZQSplitter::SetHandleSize(int value) {
    if (value == handleSize_)
        return;
    handleSize_ = value;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TZQSplitter::SetHandleWidthType(TZQHandleWidthType value) {
    if (value == handleWidthType_)
        return;
    handleWidthType_ = value;
    if (value == hwtPercentage)
        handleSize_ = std::min(handleSize_, 100);
    if (handled_)
        InvalidateRect(Handle(), nullptr, TRUE);
}

void TZQSplitter::SetHandleAlign(THandleAlign value) {
    if (value == handleAlign_)
        return;
    handleAlign_ = value;
    InvalidateRect(Handle(), nullptr, TRUE);
}

int TZQSplitter::BarLength() const {
    return Vertical() ? ClientHeight() : ClientWidth();
}

RECT TZQSplitter::HandleRect() const {
    TWindow* parent = Parent();
    const int base = !parent ? 0 : Vertical() ? parent->ClientHeight() : parent->ClientWidth();
    const int length = SplitterHandleLength(handleWidthType_, handleSize_, base);
    const TSpan span = SplitterHandleSpan(handleAlign_, BarLength(), length);
    if (Vertical())
        return {0, span.start, ClientWidth(), span.end};
    return {span.start, 0, span.end, ClientHeight()};
}

TWindow* TZQSplitter::FindNeighbour(POINT at, bool widenBackward) const {
    for (HWND h = GetWindow(GetParent(Handle()), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        TWindow* control = FromHandle(h);
        if (!control || control == this || !control->Visible() || !control->Enabled())
            continue;
        TBounds b = control->Bounds();
        // A control of no extent is widened by a pixel, so it is still found.
        if (b.width == 0) {
            b.width = 1;
            if (widenBackward)
                b.left -= 1;
        }
        if (b.height == 0) {
            b.height = 1;
            if (widenBackward)
                b.top -= 1;
        }
        if (at.x >= b.left && at.x < b.Right() && at.y >= b.top && at.y < b.Bottom())
            return control;
    }
    return nullptr;
}

void TZQSplitter::Loaded() {
    arrow_ = DirectionOfAlign();
    const TBounds b = Bounds();
    const bool backward = Align() == TAlign::Left || Align() == TAlign::Top;
    if (Vertical()) {
        before_ = FindNeighbour({b.left - 1, b.top}, backward);
        after_ = FindNeighbour({b.Right(), b.top}, backward);
    } else {
        before_ = FindNeighbour({b.left, b.top - 1}, backward);
        after_ = FindNeighbour({b.left, b.Bottom()}, backward);
    }
}

TWindow* TZQSplitter::ResizeControl() const {
    return Align() == TAlign::Left || Align() == TAlign::Top ? before_ : after_;
}

void TZQSplitter::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (color_ == CLR_DEFAULT) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    } else {
        TBrushHandle brush(CreateSolidBrush(color_));
        FillRect(dc, &client, brush.Get());
    }
    if (handled_) {
        const RECT h = HandleRect();
        FrameRect(dc, &h, GetSysColorBrush(COLOR_BTNSHADOW));
        RECT top = {h.left + 1, h.top + 1, h.right - 1, h.top + 2};
        RECT left = {h.left + 1, h.top + 1, h.left + 2, h.bottom - 1};
        FillRect(dc, &top, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        FillRect(dc, &left, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        if (HBITMAP arrow = arrows_[static_cast<int>(arrow_)].Get()) {
            BITMAP bm = {};
            GetObject(arrow, sizeof bm, &bm);
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(source, arrow);
            // Two arrows, 4 pixels inside each end of the handle, 2 from the side.
            const int inside = Scaled(4), side = Scaled(2);
            if (Vertical()) {
                BitBlt(dc, side, h.top + inside, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
                BitBlt(dc, side, h.bottom - bm.bmHeight - inside, bm.bmWidth, bm.bmHeight, source,
                       0, 0, SRCCOPY);
            } else {
                BitBlt(dc, h.left + inside, side, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
                BitBlt(dc, h.right - bm.bmWidth - inside, side, bm.bmWidth, bm.bmHeight, source, 0,
                       0, SRCCOPY);
            }
            SelectObject(source, old);
            DeleteDC(source);
        }
    }
    if (onPaint)
        onPaint();
}

TSplitSize TZQSplitter::CalcSplitSize(POINT p) const {
    const int split = Vertical() ? p.x - down_.x : p.y - down_.y;
    const int size = Vertical() ? dragControl_->Width() : dragControl_->Height();
    return SplitterNewSize(Align(), size, split, minSize_, limit_);
}

void TZQSplitter::MouseDown(POINT p) {
    dragControl_ = ResizeControl();
    down_ = p;
    moved_ = false;
    last_ = p;
    if (!dragControl_)
        return;
    // The room the neighbour may take: the parent's area less MinSize and
    // all the controls aligned across (this bar among them), its own size back.
    TWindow* parent = Parent();
    const RECT area = parent->AlignArea();
    int room = Vertical() ? area.right - area.left : area.bottom - area.top;
    for (HWND h = GetWindow(parent->Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (TWindow* control = FromHandle(h)) {
            if (Vertical() && AlignedSideways(control->Align()))
                room -= control->Width();
            else if (!Vertical() &&
                     (control->Align() == TAlign::Top || control->Align() == TAlign::Bottom))
                room -= control->Height();
        }
    limit_ = room - minSize_ + (Vertical() ? dragControl_->Width() : dragControl_->Height());
    const TSplitSize first = CalcSplitSize(p);
    newSize_ = first.size;
    split_ = first.split;
    SetCapture(Handle());
    // Escape reaches the bar while it has the focus.
    previousFocus_ = GetFocus();
    ::SetFocus(Handle());
    if (resizeStyle_ == rsLine || resizeStyle_ == rsPattern) {
        // Nothing else paints on the parent while the inverted band shows
        // (a paint in between would leave half a band behind); the band
        // itself is drawn through the lock.
        parentLocked_ = LockWindowUpdate(parent->Handle()) != FALSE;
        feedbackDc_ =
            GetDCEx(parent->Handle(), nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
        DrawFeedback();
    }
}

void TZQSplitter::DrawFeedback() {
    if (!feedbackDc_)
        return;
    TBounds b = Bounds();
    if (Vertical())
        b.left += split_;
    else
        b.top += split_;
    PatBlt(feedbackDc_, b.left, b.top, b.width, b.height, PATINVERT);
    feedbackShown_ = !feedbackShown_;
}

void TZQSplitter::MouseMove(POINT p, bool leftDown) {
    last_ = p;
    const RECT h = HandleRect();
    ::SetCursor(handled_ && PtInRect(&h, p) ? SystemCursor(IDC_ARROW) : barCursor_);
    if (!leftDown || !dragControl_)
        return;
    // The system may report a move at the press point itself; taken as a
    // drag it would open a collapsed neighbour before the click restores it.
    if (!moved_ && p.x == down_.x && p.y == down_.y)
        return;
    moved_ = true;
    const TSplitSize s = CalcSplitSize(p);
    int size = s.size;
    bool accept = true;
    if (onCanResize)
        onCanResize(size, accept);
    if (!accept)
        return;
    size = std::max(size, minSize_);
    if (feedbackShown_)
        DrawFeedback();
    newSize_ = size;
    split_ = s.split;
    if (resizeStyle_ == rsUpdate)
        ApplySize();
    DrawFeedback();
}

void TZQSplitter::MouseUp() {
    if (!dragControl_)
        return;
    if (feedbackShown_)
        DrawFeedback();
    const RECT h = HandleRect();
    if (handled_ && PtInRect(&h, last_)) {
        if (oldSize_ == -1) {
            newSize_ = 0;
            savedSize_ = Vertical() ? dragControl_->Width() : dragControl_->Height();
        } else if (oldSize_ == 0) {
            newSize_ = savedSize_;
        } else {
            newSize_ = 0;
            savedSize_ = oldSize_;
        }
        arrow_ = Reversed(arrow_);
    }
    ApplySize();
    StopSizing();
}

void TZQSplitter::ApplySize() {
    TWindow* control = dragControl_ ? dragControl_ : ResizeControl();
    if (!control || newSize_ == oldSize_)
        return;
    // The parent lays the aligned controls out again, which puts the bar
    // beside the neighbour's new edge.
    if (Vertical())
        control->SetWidth(newSize_);
    else
        control->SetHeight(newSize_);
    InvalidateRect(Handle(), nullptr, TRUE);
    if (onMoved)
        onMoved();
    if (oldSize_ == 0)
        arrow_ = DirectionOfAlign();
    oldSize_ = newSize_;
}

void TZQSplitter::StopSizing() {
    if (dragControl_) {
        if (feedbackShown_)
            DrawFeedback();
        dragControl_ = nullptr;
        if (feedbackDc_) {
            ReleaseDC(Parent()->Handle(), feedbackDc_);
            feedbackDc_ = nullptr;
        }
        if (parentLocked_) {
            LockWindowUpdate(nullptr);
            parentLocked_ = false;
        }
        if (GetCapture() == Handle())
            ReleaseCapture();
        if (previousFocus_ && IsWindow(previousFocus_))
            ::SetFocus(previousFocus_);
        previousFocus_ = nullptr;
    }
    if (onMoved)
        onMoved();
}

void TZQSplitter::ToggleCollapse() {
    if (!ResizeControl())
        return;
    const RECT h = HandleRect();
    const POINT on = {(h.left + h.right) / 2, (h.top + h.bottom) / 2};
    MouseDown(on);
    MouseUp();
}

void TZQSplitter::SetNeighbourSize(int size, int restoreSize) {
    if (!ResizeControl())
        return;
    if (size == 0) {
        arrow_ = Reversed(DirectionOfAlign());
        savedSize_ = restoreSize;
    }
    newSize_ = size;
    ApplySize();
}

LRESULT TZQSplitter::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        InvalidateRect(Handle(), nullptr, TRUE);
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT)
            return TRUE; // set at every mouse move
        break;
    case WM_LBUTTONDOWN:
        MouseDown(p);
        return 0;
    case WM_MOUSEMOVE:
        MouseMove(p, (wParam & MK_LBUTTON) != 0);
        return 0;
    case WM_LBUTTONUP:
        MouseUp();
        return 0;
    case WM_GETDLGCODE:
        return dragControl_ ? DLGC_WANTALLKEYS : 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && dragControl_) {
            StopSizing();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (dragControl_ && reinterpret_cast<HWND>(lParam) != Handle())
            StopSizing();
        return 0;
    default:
        break;
    }
    return TControl::OnMessage(msg, wParam, lParam);
}
