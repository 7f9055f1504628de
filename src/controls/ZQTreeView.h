// TZQTreeView: a tree view holding one level of nodes, each with a font
// style of its own (bold, italic, underline, strike-out). Nodes are known by
// their position among the top-level nodes, 0 first. Indent 19 and item
// height 16 design pixels unless set otherwise (in screen pixels).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "toolkit/Controls.h"
#include "toolkit/Handles.h"

// Font styles, combined with |.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TZQTreeView : public TControl {
public:
    // Adds a top-level node at the end and returns its position.
    int Add(const std::string& text);
    // Removes every node; no selection change is reported for it.
    void Clear();
    int Count() const;
    std::string NodeText(int index) const;

    TFontStyles NodeStyle(int index) const;
    void SetNodeStyle(int index, TFontStyles style);

    // Position of the selected node, or -1 when none is selected.
    int Selected() const;
    // Selects a node (-1: none), as the user does: onChange runs.
    void SetSelected(int index);

    int Indent() const;
    void SetIndent(int pixels);
    int ItemHeight() const;
    void SetItemHeight(int pixels);

    // Holds drawing off while many nodes change; calls nest, and the tree
    // is drawn again when the outermost update ends.
    void BeginUpdate();
    void EndUpdate();

    // Runs when the selected node changed (also to none).
    TNotifyEvent onChange;

protected:
    TCreateParams KindParams() const override;
    void AfterCreate() override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    HTREEITEM Node(int index) const;
    HFONT FontFor(TFontStyles style);

    std::vector<HTREEITEM> nodes_;
    std::vector<TFontStyles> styles_;
    std::map<TFontStyles, TFontHandle> fonts_;
    int updates_ = 0;
    bool clearing_ = false;
};

// Holds a tree's drawing off for one scope; the update ends on every path.
class TTreeUpdate {
public:
    explicit TTreeUpdate(TZQTreeView& tree) : tree_(tree) { tree_.BeginUpdate(); }
    ~TTreeUpdate() { tree_.EndUpdate(); }
    TTreeUpdate(const TTreeUpdate&) = delete;
    TTreeUpdate& operator=(const TTreeUpdate&) = delete;

private:
    TZQTreeView& tree_;
};
