#include "mainwindow/ShortInfoPanel.h"

#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "toolkit/DesignScale.h"

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
    const int gap = Scaled(8);
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

void TShortInfoPanel::CreateControls() {
    CreateControlRows({
        {&lShortInfo, "lShortInfo", "", {8, 8, 0, 13}, &ShortInfoPanel},
        {&btnReg,
         "btnReg",
         "Register fileclass ...",
         {120, 24, 113, 21},
         &ShortInfoPanel,
         "Register the current fileclass"},
        {&lbShortInfo, "lbShortInfo", "", {8, 24, 105, 81}, &ShortInfoPanel},
        {&btnShortInfoViewExt,
         "btnShortInfoViewExt",
         "View this extension",
         {120, 84, 113, 21},
         &ShortInfoPanel},
    });
    ShortInfoPanel.onResize = [this] { Resize(); };
    lbShortInfo.onClick = [this] { ExtensionChosen(); };
}

void TShortInfoPanel::Show(TShortInfoMode mode, std::string text, const TFileClass& index) {
    // Both modes but "nothing selected" list the extensions filed under the
    // class `text`; only an unregistered class can be registered from here.
    const bool listed = mode != simNothingSelected;
    btnReg.SetVisible(mode == simClassNotRegistered);
    btnShortInfoViewExt.SetVisible(listed);
    lbShortInfo.SetVisible(listed);
    if (listed) {
        TStringList extensions;
        index.GetClassExtensions(text, extensions);
        lbShortInfo.Items().Assign(extensions);
        ExtensionChosen();
    }
    if (mode == simExtensionsWithoutClass)
        text = std::to_string(lbShortInfo.Items().Count());
    lShortInfo.SetText(ShortInfoCaption(mode, text));
    Resize();
}

void TShortInfoPanel::Resize() {
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

void TShortInfoPanel::ExtensionChosen() {
    btnShortInfoViewExt.SetEnabled(lbShortInfo.ItemIndex() >= 0);
}

std::string TShortInfoPanel::ChosenExtension() const {
    const int index = lbShortInfo.ItemIndex();
    return index >= 0 ? lbShortInfo.Items()[index] : std::string();
}
