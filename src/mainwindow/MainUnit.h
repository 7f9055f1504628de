// TMainForm (unit MainUnit): the main window. It composes the three panels
// (TExtensionPanel, TClassPanel, TShortInfoPanel), shows the two views ("File
// Extensions", "File Classes") in its item list and the selected item in a
// panel, and calls the command layer (TCommands, which owns the index, the
// undo journal, the settings and the gate) for every change.
//
// The form is split by concern, each file calling only those below it:
// MainForm.cpp (controls, menu, tool bar, the binding of handlers) and
// MainStartup.cpp (first showing, closing, window state) on top; then the
// handlers of the commands: MainCheck.cpp, MainCreateDelete.cpp,
// MainAssociate.cpp (with ShowChange, which every command's end goes
// through), MainClassPanel.cpp (icon change and tool windows) and
// MainDialogs.cpp; then MainSearch.cpp (the search field), MainUndo.cpp
// (undo and backup), MainScan.cpp (the registry scan with its progress) and,
// at the bottom, MainViews.cpp (tabs, item list with its filter, the panels'
// display and view switching).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/ZQDialogs.h"
#include "controls/ZQMiscCtrl.h"
#include "commands/ProfileExport.h"
#include "mainwindow/ClassPanel.h"
#include "mainwindow/ExtensionPanel.h"
#include "mainwindow/ShortInfoPanel.h"
#include "support/ZQWinDialogs.h"
#include "toolkit/Bars.h"
#include "toolkit/Containers.h"
#include "toolkit/Form.h"
#include "toolkit/ListControls.h"
#include "toolkit/ListFilter.h"
#include "toolkit/Menus.h"

class TBoxQuestions;
class TCommands;
class TFileClass;
class TZQIniFile;
class TStringList;
class TUndoJournal;
struct TChange;
struct TRestoreReport;
class TActionForm;
class TAdvOptionForm;
class TCheckForm;
class TOpensWithForm;
class TScanJob;

// The captions of the two tabs; the views are told apart by them.
extern const char* const TabCaptions[2];

// What the status bar's hint panel says after a scan that met extension keys
// whose default value holds no text: "3 extension keys could not be read";
// empty when it met none.
std::string UnreadableKeysHint(int count);

// The start-up read of the per-user "HideFileExt" switch; a missing key or
// value, or one that can't be read, counts as "not hidden" and the program
// starts all the same.
bool StartupHideFileExt();

// The system's save dialog for a .reg file, owned by `owner`; false when
// cancelled.
bool AskForBackupFile(HWND owner, std::string& path);
// The system's save dialog for an export of the format, and its open dialog
// for a profile (.xml or .reg); false when cancelled.
bool AskForExportFile(HWND owner, TExportFormat format, std::string& path);
bool AskForProfileFile(HWND owner, std::string& path);

// Whether the settings file asks for a scan at start-up ("config"/
// "StartupScan", on unless switched off).
bool StartupScanWanted(const std::string& settingsPath);

class TMainForm : public TForm {
public:
    // `settingsPath` is the settings file ("settings.ini" beside the program
    // unless a test gives another). `startupScan` is the start-up scan when
    // the program has started it already (it reads while the window is
    // created); without it the window starts its own.
    explicit TMainForm(const std::string& settingsPath);
    TMainForm(const std::string& settingsPath, std::unique_ptr<TScanJob> startupScan);
    ~TMainForm() override;

    // The commands the handlers call; they own the index, the undo journal,
    // the settings and the modification gate.
    TCommands& Commands() { return *commands_; }
    TFileClass& FileClasses();
    // State shared by the handlers.
    int CurrentView = 0;
    bool ForceViewUpdate = false;
    std::string CurrentExt;
    std::string CurrentClass;
    // The extension or class the window shows first, whatever was shown
    // last (given on the command line); empty: the last one.
    std::string StartItem;
    // Milliseconds a scan runs before it shows its progress and lets the
    // window work between its reads (until then it looks as it always did;
    // a progress text shown for less would only flicker). Tests set 0.
    unsigned ScanProgressDelay = 300;
    // Handed to the scans the window starts (see TScanJob): told their
    // progress on the scan's thread. Tests hold a scan at a key with it.
    std::function<bool(int read, int total)> ScanObserver;

    // Life of the window.
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormDestroy();
    void ApplicationHint();

    // Tabs, item list, scan.
    void ScanRegistry();
    void TabControlChange();
    void ShowView(int view);
    void ListBoxClick();
    void ScanItemClick();
    void ExitItemClick();
    void HelpItemClick();
    void btnHelpClick();
    void ShowExtensionDetails(int index);
    void ShowClassDetails(int index);
    // Ctrl+Tab and Ctrl+Shift+Tab switch to the next and the previous view.
    bool FormShortCut(WORD key);

    // The search field above the item list: typing narrows the list to the
    // names holding the text; the selected item stays selected while it
    // matches, else the first match is shown.
    void edSearchChange();
    // Ctrl+F goes to the search field; in it Escape clears the text (or,
    // when there is none, goes back to the list) and Down goes to the list.
    bool SearchShortCut(WORD key);
    // The label under the search field: "12 of 412" while a text narrows
    // the list, hidden otherwise.
    void ShowFilterCount();
    // Shows every item again and empties the search field.
    void ClearFilter();

    // Short-info panel.
    void ShowShortInfo(TShortInfoMode mode, std::string text);
    void ShowClassPanel();
    void lbShortInfoDblClick();
    void btnShortInfoViewExtClick();

    // The split between the item list and the panels, kept with the window
    // state ("MainForm"/"ListWidth", 0 while the list is collapsed, and
    // "ListRestoreWidth").
    void RestoreSplit(const TZQIniFile& ini);
    void SaveSplit(const TZQIniFile& ini);

    // The program's dialogs.
    void ConfigurationItemClick();
    // "Changes apply to: this user / all users": kept in the settings file.
    void ScopeUserItemClick();
    void ScopeMachineItemClick();
    // The two items (the chosen one marked) where the system has two stores,
    // and "Restart as administrator" where ElevationOffered says so.
    void UpdateScopeItems();
    // Starts the program anew as administrator on the view and item shown
    // and closes this window; false when it was not started.
    bool RestartAsAdministrator();
    // Whether the restart is offered, and the restart itself with the command
    // line's parameters (ShellExecute "runas" of the program); tests replace
    // them, since Wine can't elevate.
    std::function<bool()> ElevationOffered;
    std::function<bool(const std::string& parameters)> RestartElevated;
    void Systemsettings1Click();
    void InfoItemClick();

    // Extension view panel.
    void cbClassesChange();
    void cbClassesDblClick();
    void btnViewClassClick();

    // Class view panel.
    void cbAdvOptionClick();
    void cbShowActionsClick();
    void lbAssocExtClick();
    void lbAssocExtDblClick();
    void btnViewExtClick();
    void ItemIconChangeClick();

    // Association commands.
    void btnExtAssocClick();
    void btnExtDissocClick();
    void btnClassAssocClick();
    void btnClassDissocClick();

    // Shows what a command changed: the views are rebuilt from the index
    // and the item the command was about is shown.
    void ShowChange(const TChange& change);
    // The status bar's counts of the index: extensions, classes ("412/298").
    void ShowCounts();

    // Create and delete commands.
    void NewExtensionItemClick();
    void DeleteExtensionItemClick();
    void NewFileclassItemClick();
    void DeleteFileclassItemClick();
    void btnRegClick();
    void NewMenuBtnClick();
    // Commands of features still to come: they say so.
    void NotYetClick();

    // Undo: one journal entry per command that changes the registry.
    void UndoItemClick();
    void ExportBackupItemClick();
    // Profiles for other machines: the export dialog and the file, the file
    // of a profile and the window of its planned changes.
    void ExportItemClick();
    void ApplyProfileItemClick();
    // Ask for the files of an export and of a profile; tests replace them.
    std::function<bool(TExportFormat format, std::string& path)> PickExportFile;
    std::function<bool(std::string& path)> PickProfileFile;
    // Opens the window of the association check and checks.
    void CheckItemClick();
    // Opens (or brings up) the window of what opens the extension shown.
    void OpensWithClick();
    // The open window follows the extension shown and what a command changed.
    void FollowOpensWith();
    // The menu item and toolbar button that open it: for an extension shown.
    void EnableOpensWith(bool enabled);
    // The undo menu item and button after the journal changed.
    void UpdateUndoItem();
    TUndoJournal& Journal();
    // Asks for the file a backup is written to (the system's save dialog);
    // a test may replace it.
    std::function<bool(std::string& path)> PickBackupFile;

    const std::string& SettingsPath() const { return settingsPath_; }

    // Controls.
    TMainMenu MainMenu;
    TMenuItem FileMenu, ScanItem, CheckItem, ExportBackupItem, ExportItem, ApplyProfileItem,
        ExitItem;
    TMenuItem EditMenu, UndoItem, Systemsettings1, NewExtensionItem, DeleteExtensionItem,
        NewFileclassItem, DeleteFileclassItem;
    TMenuItem AdvancedMenu, NewMenuItem, OpenWithListsItem, SelectProgramItem;
    TMenuItem OptionsMenu, ConfigurationItem, ScopeUserItem, ScopeMachineItem, RestartAdminItem;
    TMenuItem HelpMenu, HelpItem, InfoItem;

    TToolBar ToolBar;
    TToolButton tbtnScan, tbtnCheck, tbtnNew, tbtnOpenwithLists, tbtnSelectprogram, tbtnConfiguration,
        tbtnHelp, tbtnUndo;
    TStatusBar StatusBar;
    TTabControl TabControl;
    TPanel ListPanel{TBevelCut::None}; // the search field above the item list
    TEdit edSearch;
    TLabel laFilter;
    TListBox ListBox;
    TPopupMenu pmListBox; // the item list's context menu, without entries
    TZQSplitter ZQSplitter1;
    TPanel MainPanel{TBevelCut::None};
    TPanel BottomPanel;
    TButton btnHelp;
    TLabel laHint;
    // The three panels of which one shows the selected item.
    TExtensionPanel ExtView;
    TClassPanel ClassView;
    TShortInfoPanel ShortInfo;
    TZQAboutDialog ZQAboutDialog1;

    // The class view's tool windows: each exists exactly while its box is
    // ticked (owned by the application, released when the box is unticked).
    TAdvOptionForm* AdvOptionForm = nullptr;
    TActionForm* ActionForm = nullptr;
    // The check window, made when first opened (destroyed with the form).
    std::shared_ptr<TCheckForm> CheckForm;
    // The window of what opens an extension, made when first opened.
    std::shared_ptr<TOpensWithForm> OpensWithForm;

private:
    void CreateMenu();
    void CreateToolBar();
    // Bounds and tab as the settings file keeps them (when it keeps them).
    void RestoreWindow(TZQIniFile& ini);
    // The scan; `extensions` (when given) receives the extension keys read.
    void ScanRegistry(TStringList* extensions);
    // Rebuilds the selected view after a scan, the extension view from the
    // extensions the scan has just read.
    void ShowViewAfterScan(const TStringList& scanned);
    void CreateViews();
    // Shows `item` in the view of TabCaptions[view] (switching to it); an
    // item the view doesn't list leaves nothing selected.
    void ShowItemIn(int view, const std::string& item);
    // The hint line of the bottom bar for the extension shown.
    void ShowExtensionHint();
    // The entry selected in the item list, or empty.
    std::string SelectedItem() const;
    // Destroys the open tool windows with the main window.
    void FreeToolWindows();
    std::string SelectedTabCaption() const;
    // Position in the item list of the item last shown in the selected view
    // (CurrentExt or CurrentClass), or -1.
    int LastShownIndex() const;
    // Rebuilds the current view after a change, selecting the item last shown.
    void ShowViewAgain();

    // Shows once what was found wrong in the journal file.
    void ReportJournalDamage();
    // After an undo: the extension or class the undone command was about.
    void ShowRestoredItem(const TRestoreReport& report);

    std::string settingsPath_;
    std::unique_ptr<TBoxQuestions> questions_;
    std::unique_ptr<TCommands> commands_;
    // The scan the program started before the window, until FormShow takes it.
    std::unique_ptr<TScanJob> startupScan_;
    // The scan being waited for, so that closing the window stops it.
    TScanJob* runningScan_ = nullptr;
    // FormClose has run: the program is ending.
    bool closed_ = false;
    // While a view is rebuilt right after a scan: the extensions it read.
    const TStringList* scannedExtensions_ = nullptr;
    // Every item of the view shown, and which of them the list shows.
    TListFilter listFilter_{ListBox};
};
