// TMainForm: the split between the item list and the panels, restored and
// saved with the window's size and position.
#include "mainwindow/MainUnit.h"

#include <algorithm>

#include "support/ZQIniFiles.h"
#include "toolkit/DesignScale.h"

namespace {

const char* const kMainForm = "MainForm";
const int kDesignedListWidth = 121;

} // namespace

void TMainForm::RestoreSplit(const TZQIniFile& ini) {
    const int width = ini.ReadInteger(kMainForm, "ListWidth", -1);
    if (width < 0)
        return;
    // A width from a larger window still leaves the panels their least size.
    const RECT area = TabControl.AlignArea();
    const int most = area.right - area.left - ZQSplitter1.Width() - ZQSplitter1.MinSize();
    const int restore = ini.ReadInteger(kMainForm, "ListRestoreWidth", Scaled(kDesignedListWidth));
    const auto fit = [&](int w) { return std::max(ZQSplitter1.MinSize(), std::min(w, most)); };
    ZQSplitter1.SetNeighbourSize(width == 0 ? 0 : fit(width), fit(restore));
}

void TMainForm::SaveSplit(const TZQIniFile& ini) {
    ini.WriteInteger(kMainForm, "ListWidth", ListBox.Width());
    if (ZQSplitter1.Collapsed())
        ini.WriteInteger(kMainForm, "ListRestoreWidth", ZQSplitter1.RestoreSize());
}
