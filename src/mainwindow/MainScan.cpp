// TMainForm: the registry scan and the rescan command. A long scan keeps the
// window alive: it shows its progress in the status bar and handles the
// window's messages between its reads, with the commands that need the index
// disabled until the index is filled again.
#include "mainwindow/MainUnit.h"

#include <vector>

#include "index/FileClassScan.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "toolkit/Application.h"

namespace {

// Reading time between two rounds of messages: short enough that the window
// follows the mouse, long enough that the rounds cost nothing noticeable.
const DWORD kMessageInterval = 50;

// The status bar's count text: extension keys first, classes second, "412/298".
std::string CountText(int extensions, int classes) {
    return std::to_string(extensions) + "/" + std::to_string(classes);
}

// Disables the commands that need the index while it lives and gives each
// its state back afterwards: the rescan itself, the menu commands that
// change associations, and the tab control with the item list and the
// panels (the views show and edit the index).
class TIndexCommandsOff {
public:
    explicit TIndexCommandsOff(TMainForm& form)
        : menuItems_{&form.ScanItem, &form.NewExtensionItem, &form.DeleteExtensionItem,
                     &form.NewFileclassItem, &form.DeleteFileclassItem},
          scanButton_(form.tbtnScan), views_(form.TabControl) {
        for (TMenuItem* item : menuItems_) {
            menuStates_.push_back(item->Enabled());
            item->SetEnabled(false);
        }
        scanButtonState_ = scanButton_.Enabled();
        scanButton_.SetEnabled(false);
        viewsState_ = views_.Enabled();
        views_.SetEnabled(false);
    }
    ~TIndexCommandsOff() {
        for (size_t i = 0; i < menuItems_.size(); ++i)
            menuItems_[i]->SetEnabled(menuStates_[i]);
        scanButton_.SetEnabled(scanButtonState_);
        views_.SetEnabled(viewsState_);
    }
    TIndexCommandsOff(const TIndexCommandsOff&) = delete;
    TIndexCommandsOff& operator=(const TIndexCommandsOff&) = delete;

private:
    std::vector<TMenuItem*> menuItems_;
    std::vector<bool> menuStates_;
    TToolButton& scanButton_;
    bool scanButtonState_ = false;
    TWindow& views_;
    bool viewsState_ = false;
};

// Shows a scan's progress, "read of total", in status panel 0. A panel too
// narrow for the longest such text (20,000 keys and more) is widened while
// the progress shows and gets its width back afterwards.
class TProgressPanel {
public:
    TProgressPanel(TStatusBar& bar, int total) : bar_(bar), widths_(bar.PanelWidths()) {
        // The panel draws its text with a small margin on both sides.
        const int needed = Application.TextExtent(Text(total, total), 0, false).cx + 8;
        if (!widths_.empty() && needed > widths_[0]) {
            std::vector<int> wider = widths_;
            wider[0] = needed;
            bar_.SetPanelWidths(wider);
        }
    }
    ~TProgressPanel() {
        if (bar_.PanelWidths() != widths_)
            bar_.SetPanelWidths(widths_);
    }
    TProgressPanel(const TProgressPanel&) = delete;
    TProgressPanel& operator=(const TProgressPanel&) = delete;

    void Show(int read, int total) { bar_.SetPanelText(0, Text(read, total)); }

private:
    static std::string Text(int read, int total) {
        return std::to_string(read) + " of " + std::to_string(total);
    }
    TStatusBar& bar_;
    std::vector<int> widths_;
};

} // namespace

void TMainForm::ScanRegistry() {
    ScanRegistry(nullptr);
}

void TMainForm::ScanRegistry(TStringList* extensions) {
    TBusyCursor busy;
    // The scan's own rounds of messages start once it has run for
    // ScanProgressDelay; until then nothing but the cursor changes.
    std::unique_ptr<TIndexCommandsOff> commandsOff;
    std::unique_ptr<TProgressPanel> progressPanel;
    const std::string countsBefore = StatusBar.PanelText(0);
    const DWORD started = GetTickCount();
    DWORD lastRound = started;
    auto progress = [&](int read, int total) {
        const DWORD now = GetTickCount();
        if (!commandsOff) {
            if (now - started < ScanProgressDelay)
                return true;
            commandsOff = std::make_unique<TIndexCommandsOff>(*this);
            progressPanel = std::make_unique<TProgressPanel>(StatusBar, total);
        } else if (now - lastRound < kMessageInterval) {
            return true;
        }
        lastRound = now;
        progressPanel->Show(read, total);
        Application.ProcessMessages();
        // Closing the window ends the program; the scan stops with it.
        return !closed_;
    };
    TScanResult found;
    try {
        found = ScanFileClasses(FileClasses(), progress, extensions);
    } catch (...) {
        // A failed scan leaves the counts of the last one in the status bar.
        StatusBar.SetPanelText(0, countsBefore);
        throw;
    }
    if (found.Stopped) {
        StatusBar.SetPanelText(0, countsBefore);
        return;
    }
    StatusBar.SetPanelText(0, CountText(found.Extensions, found.Classes));
    // Keys whose default value holds no text are filed without a class; the
    // hint panel says how many, until the next hint replaces it.
    StatusBar.SetPanelText(1, UnreadableKeysHint(found.Unreadable));
}

void TMainForm::ScanItemClick() {
    TStringList extensions;
    ScanRegistry(&extensions);
    if (!closed_)
        ShowViewAfterScan(extensions);
}

void TMainForm::ShowViewAfterScan(const TStringList& scanned) {
    // The list is the one GetExtensions would give a moment later; it is
    // only used for this one rebuild.
    struct TForget {
        const TStringList*& list;
        ~TForget() { list = nullptr; }
    } forget{scannedExtensions_};
    scannedExtensions_ = &scanned;
    ForceViewUpdate = true;
    TabControlChange();
}
