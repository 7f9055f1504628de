#include "controls/ZQTreeView.h"

#include "support/Exception.h"
#include "toolkit/Application.h"
#include "toolkit/DesignScale.h"
#include "toolkit/SystemWindows.h"

namespace {

const int kDefaultIndent = 19;
const int kDefaultItemHeight = 16;

} // namespace

TCreateParams TZQTreeView::KindParams() const {
    return {WC_TREEVIEWA,
            TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS | WS_TABSTOP,
            WS_EX_CLIENTEDGE};
}

void TZQTreeView::AfterCreate() {
    SetIndent(Scaled(kDefaultIndent));
    SetItemHeight(Scaled(kDefaultItemHeight));
}

int TZQTreeView::Add(const std::string& text) {
    const HTREEITEM node = AppendTreeItem(Handle(), text, static_cast<LPARAM>(nodes_.size()));
    if (!node)
        throw Exception("Knoten " + text + " kann nicht eingefügt werden");
    nodes_.push_back(node);
    styles_.push_back(0);
    return static_cast<int>(nodes_.size()) - 1;
}

void TZQTreeView::Clear() {
    // Deleting the selected node moves the selection; that is no choice of
    // the user's and is not reported.
    clearing_ = true;
    SendWindowMessage(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    clearing_ = false;
    nodes_.clear();
    styles_.clear();
}

int TZQTreeView::Count() const {
    return static_cast<int>(nodes_.size());
}

HTREEITEM TZQTreeView::Node(int index) const {
    if (index < 0 || index >= Count())
        throw Exception("Knotenindex " + std::to_string(index) + " außerhalb des Bereichs");
    return nodes_[static_cast<size_t>(index)];
}

std::string TZQTreeView::NodeText(int index) const {
    return TreeItemText(Handle(), Node(index));
}

TFontStyles TZQTreeView::NodeStyle(int index) const {
    Node(index); // checks the index
    return styles_[static_cast<size_t>(index)];
}

void TZQTreeView::SetNodeStyle(int index, TFontStyles style) {
    TVITEMA item = {};
    item.mask = TVIF_STATE;
    item.hItem = Node(index);
    item.stateMask = TVIS_BOLD;
    // Bold is the tree's own state, so that it measures the node's width
    // in the bold font; the other styles are drawn with a font of their own.
    item.state = (style & fsBold) ? TVIS_BOLD : 0;
    SendWindowMessage(Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    styles_[static_cast<size_t>(index)] = style;
    InvalidateRect(Handle(), nullptr, TRUE);
}

int TZQTreeView::Selected() const {
    auto node =
        reinterpret_cast<HTREEITEM>(SendWindowMessage(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i] == node)
            return static_cast<int>(i);
    return -1;
}

void TZQTreeView::SetSelected(int index) {
    HTREEITEM node = index < 0 ? nullptr : Node(index);
    SendWindowMessage(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
}

int TZQTreeView::Indent() const {
    return static_cast<int>(SendWindowMessage(Handle(), TVM_GETINDENT, 0, 0));
}
void TZQTreeView::SetIndent(int pixels) {
    SendWindowMessage(Handle(), TVM_SETINDENT, static_cast<WPARAM>(pixels), 0);
}

int TZQTreeView::ItemHeight() const {
    return static_cast<int>(SendWindowMessage(Handle(), TVM_GETITEMHEIGHT, 0, 0));
}
void TZQTreeView::SetItemHeight(int pixels) {
    SendWindowMessage(Handle(), TVM_SETITEMHEIGHT, static_cast<WPARAM>(pixels), 0);
}

void TZQTreeView::BeginUpdate() {
    if (updates_++ == 0)
        SendWindowMessage(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TZQTreeView::EndUpdate() {
    if (updates_ == 0 || --updates_ > 0)
        return;
    SendWindowMessage(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

HFONT TZQTreeView::FontFor(TFontStyles style) {
    TFontHandle& font = fonts_[style];
    if (!font) {
        font.Reset(CreateFontLike(Application.DefaultFont(), (style & fsBold) ? FW_BOLD : FW_NORMAL,
                                  (style & fsItalic) != 0, (style & fsUnderline) != 0,
                                  (style & fsStrikeOut) != 0));
    }
    return font.Get();
}

bool TZQTreeView::OnNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
        if (!clearing_ && onChange)
            onChange();
        result = 0;
        return true;
    case NM_CUSTOMDRAW: {
        auto& draw = reinterpret_cast<NMTVCUSTOMDRAW&>(header);
        result = CDRF_DODEFAULT;
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            result = CDRF_NOTIFYITEMDRAW;
        } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            const auto index = static_cast<size_t>(draw.nmcd.lItemlParam);
            // Bold alone is drawn by the tree itself (TVIS_BOLD).
            if (index < styles_.size() && (styles_[index] & ~TFontStyles(fsBold)) != 0) {
                SelectObject(draw.nmcd.hdc, FontFor(styles_[index]));
                result = CDRF_NEWFONT;
            }
        }
        return true;
    }
    default:
        return false;
    }
}
