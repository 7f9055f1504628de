// TMainForm: the registry scan and the rescan command. The scan reads on a
// thread of its own (TScanJob) into an index of its own while the window
// waits for it; a long scan shows its progress in the status bar and the
// window handles its messages meanwhile, with the commands that need the
// index (or change what the scan reads) disabled until the index is filled
// again.
#include "mainwindow/MainUnit.h"

#include <vector>

#include "index/ScanJob.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "toolkit/Application.h"
#include "toolkit/DesignScale.h"
#include "toolkit/Handles.h"
#include "toolkit/SystemFunctions.h"

namespace {

// How often the progress text is brought up to date while the window waits
// for the scan (its messages are handled as they come).
const DWORD kProgressInterval = 50;

// The status bar's count text: extension keys first, classes second, "412/298".
std::string CountText(int extensions, int classes) {
    return std::to_string(extensions) + "/" + std::to_string(classes);
}

// Disables the commands that need the index while it lives and gives each
// its state back afterwards: the rescan itself, the menu commands that
// change associations, the undo (it changes the keys the scan reads), and
// the tab control with the item list and the panels (the views show and
// edit the index). Each control inside the tab control is disabled too, so
// that none of them looks usable while it takes no input.
class TIndexCommandsOff {
public:
    explicit TIndexCommandsOff(TMainForm& form)
        : menuItems_({&form.ScanItem, &form.UndoItem, &form.NewExtensionItem,
                      &form.DeleteExtensionItem, &form.NewFileclassItem,
                      &form.DeleteFileclassItem}),
          buttons_({&form.tbtnScan, &form.tbtnUndo}), views_({&form.TabControl}) {
        EnumChildWindows(form.TabControl.Handle(), DisableControl,
                         reinterpret_cast<LPARAM>(&disabled_));
    }
    ~TIndexCommandsOff() {
        for (HWND control : disabled_)
            if (IsWindow(control))
                EnableWindow(control, TRUE);
    }
    TIndexCommandsOff(const TIndexCommandsOff&) = delete;
    TIndexCommandsOff& operator=(const TIndexCommandsOff&) = delete;

private:
    // Disables one enabled control and notes it to enable again.
    static BOOL CALLBACK DisableControl(HWND control, LPARAM disabled) {
        if (IsWindowEnabled(control)) {
            reinterpret_cast<std::vector<HWND>*>(disabled)->push_back(control);
            EnableWindow(control, FALSE);
        }
        return TRUE;
    }

    TKeepDisabled<TMenuItem> menuItems_;
    TKeepDisabled<TToolButton> buttons_;
    TKeepDisabled<TWindow> views_;
    // The controls inside the views that were enabled (raw handles: not
    // every one of them is an object of its own).
    std::vector<HWND> disabled_;
};

// Marks the scan the window waits for while it lives (FormClose stops it).
class TRunningScan {
public:
    TRunningScan(TScanJob*& slot, TScanJob& job) : slot_(slot) { slot_ = &job; }
    ~TRunningScan() { slot_ = nullptr; }
    TRunningScan(const TRunningScan&) = delete;
    TRunningScan& operator=(const TRunningScan&) = delete;

private:
    TScanJob*& slot_;
};

// Shows a scan's progress, "read of total", in status panel 0. A panel too
// narrow for the longest such text (20,000 keys and more) is widened while
// the progress shows and gets its width back afterwards.
class TProgressPanel {
public:
    TProgressPanel(TStatusBar& bar, int total) : bar_(bar), widths_(bar.PanelWidths()) {
        // The panel draws its text with a small margin on both sides.
        const int needed = Application.TextExtent(Text(total, total), 0, false).cx + Scaled(8);
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
    // The scan the program started before the window is taken over; any
    // other starts here.
    std::unique_ptr<TScanJob> job = std::move(startupScan_);
    if (!job)
        job = std::make_unique<TScanJob>(ScanObserver);
    TEventHandle finished(CreateUnsetEvent());
    HANDLE finishedEvent = finished.Get();
    job->OnFinished([finishedEvent] { SetEvent(finishedEvent); });
    TRunningScan running(runningScan_, *job);
    if (closed_)
        job->Stop();

    TBusyCursor busy;
    std::unique_ptr<TIndexCommandsOff> commandsOff;
    std::unique_ptr<TProgressPanel> progressPanel;
    const std::string countsBefore = StatusBar.PanelText(0);
    while (!job->Done()) {
        // The progress shows once the scan has run for ScanProgressDelay and
        // knows its total; until then the window looks as it always did: it
        // paints and answers what other programs ask, and its input waits
        // for the end of the scan.
        if (!commandsOff && job->Counted() && job->Elapsed() >= ScanProgressDelay) {
            commandsOff = std::make_unique<TIndexCommandsOff>(*this);
            progressPanel = std::make_unique<TProgressPanel>(StatusBar, job->Total());
        }
        if (progressPanel)
            progressPanel->Show(job->Read(), job->Total());
        const DWORD wake = commandsOff ? QS_ALLINPUT : QS_PAINT | QS_SENDMESSAGE;
        if (WaitForEventOrMessages(finishedEvent, kProgressInterval, wake) == WAIT_OBJECT_0 + 1) {
            if (commandsOff)
                Application.ProcessMessages(); // closing the window stops the scan
            else
                Application.ProcessPaintMessages();
        }
    }
    TScanResult found;
    try {
        found = job->Finish(FileClasses(), extensions);
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

void TMainForm::ShowCounts() {
    int extensions = 0;
    for (int i = 0; i < FileClasses().Count(); ++i)
        extensions += FileClasses().ExtensionCount(i);
    StatusBar.SetPanelText(0, CountText(extensions, FileClasses().Count()));
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
