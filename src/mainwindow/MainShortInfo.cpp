// TMainForm: the short-info panel, shown in place of the extension or class
// panel when there is no registered item to show.
#include "mainwindow/MainUnit.h"

#include "index/ZQFileAssoc.h"
#include "support/StringList.h"

const char* const ShortInfoFormats[3] = {
    "No %s selected.",
    "'%s' is not registered to the system.",
    "Number of non associated extensions: %s",
};

std::string ShortInfoCaption(TShortInfoMode mode, const std::string& text) {
    // The text goes in as it is: a class name may hold a "%" of its own.
    std::string caption = ShortInfoFormats[mode];
    const size_t at = caption.find("%s");
    if (at != std::string::npos)
        caption.replace(at, 2, text);
    return caption;
}

TShortInfoLayout ArrangeShortInfo(TShortInfoLayout l) {
    const int gap = 8;
    if (l.listVisible) {
        l.caption.left = gap;
        l.list.top = l.caption.top + l.caption.height + gap;
        l.list.height = l.panelHeight - l.list.top - gap;
        l.list.width = l.panelWidth - l.list.left - gap - l.btnViewExt.width - gap;
        if (l.viewExtVisible) {
            // Its bottom edge lines up with the list's.
            l.btnViewExt.top = l.list.top + l.list.height - l.btnViewExt.height;
            l.btnViewExt.left = l.list.left + l.list.width + gap;
        }
    }
    // The caption is centred when it fits within the margins.
    if (l.caption.width > l.panelWidth - 2 * gap)
        l.caption.left = gap;
    else
        l.caption.left = (l.panelWidth - l.caption.width) / 2;
    if (l.regVisible) {
        l.btnReg.top = l.caption.top + l.caption.height + gap;
        l.btnReg.left = l.list.left + l.list.width + gap;
    }
    return l;
}

void TMainForm::ShowShortInfo(TShortInfoMode mode, std::string text) {
    ExtPanel.SetVisible(false);
    ClassPanel.SetVisible(false);
    ShortInfoPanel.SetVisible(true);
    // Both modes but "nothing selected" list the extensions filed under the
    // class `text`; only an unregistered class can be registered from here.
    const bool listed = mode != simNothingSelected;
    btnReg.SetVisible(mode == simClassNotRegistered);
    btnShortInfoViewExt.SetVisible(listed);
    lbShortInfo.SetVisible(listed);
    if (listed) {
        TStringList extensions;
        FileClasses().GetClassExtensions(text, extensions);
        lbShortInfo.Items().Assign(extensions);
        lbShortInfoClick();
    }
    if (mode == simExtensionsWithoutClass)
        text = std::to_string(lbShortInfo.Items().Count());
    lShortInfo.SetText(ShortInfoCaption(mode, text));
    ShortInfoPanelResize();
}

void TMainForm::ShowClassPanel() {
    ClassPanel.SetVisible(true);
    ShortInfoPanel.SetVisible(false);
}

void TMainForm::ShortInfoPanelResize() {
    TShortInfoLayout l;
    l.panelWidth = ShortInfoPanel.Width();
    l.panelHeight = ShortInfoPanel.Height();
    l.caption = lShortInfo.Bounds();
    l.list = lbShortInfo.Bounds();
    l.btnReg = btnReg.Bounds();
    l.btnViewExt = btnShortInfoViewExt.Bounds();
    l.listVisible = lbShortInfo.Visible();
    l.regVisible = btnReg.Visible();
    l.viewExtVisible = btnShortInfoViewExt.Visible();
    const TShortInfoLayout placed = ArrangeShortInfo(l);
    lShortInfo.SetBounds(placed.caption);
    lbShortInfo.SetBounds(placed.list);
    btnReg.SetBounds(placed.btnReg);
    btnShortInfoViewExt.SetBounds(placed.btnViewExt);
}

void TMainForm::lbShortInfoClick() {
    btnShortInfoViewExt.SetEnabled(lbShortInfo.ItemIndex() >= 0);
}

void TMainForm::lbShortInfoDblClick() {
    btnShortInfoViewExtClick();
}

void TMainForm::btnShortInfoViewExtClick() {
    for (int tab = 0; tab < TabControl.TabCount(); ++tab) {
        if (TabControl.TabCaption(tab) != TabCaptions[0])
            continue;
        TabControl.SetTabIndex(tab);
        TabControlChange();
        // With no entry chosen nothing is selected, and the extension view
        // shows its first extension.
        const int chosen = lbShortInfo.ItemIndex();
        ListBox.SetItemIndex(chosen >= 0 ? ListBox.Items().IndexOf(lbShortInfo.Items()[chosen])
                                         : -1);
        ListBoxClick();
    }
}
