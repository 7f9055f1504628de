// TMainForm: its controls, menu and tool bar, and the binding of handlers.
#include "mainwindow/MainUnit.h"

#include "commands/Commands.h"
#include "mainwindow/BoxQuestions.h"

#include "../../res/resource.h"
#include "association/UndoJournal.h"
#include "index/ScanJob.h"
#include "index/ZQFileAssoc.h"
#include "toolkit/Application.h"
#include "toolkit/DesignScale.h"
#include "toolkit/SystemWindows.h"

const char* const TabCaptions[2] = {"File Extensions", "File Classes"};

TMainForm::TMainForm(const std::string& settingsPath) : TMainForm(settingsPath, nullptr) {}

TMainForm::TMainForm(const std::string& settingsPath, std::unique_ptr<TScanJob> startupScan)
    : TForm({"MainForm", Application.Title(), 385, 465}), settingsPath_(settingsPath),
      startupScan_(std::move(startupScan)) {
    CreateMenu();
    // Parents come before their children; the order of siblings is the tab order.
    CreateControls({
        {&ToolBar, "ToolBar", "", {0, 0, 385, 29}, this, "", TAlign::Top},
        {&StatusBar, "StatusBar", "", {0, 0, 385, 19}, this, "", TAlign::Bottom},
        {&TabControl, "TabControl", "", {0, 0, 377, 360}, this, "", TAlign::Client},
        {&ListPanel, "ListPanel", "", {4, 24, 121, 330}, &TabControl, "", TAlign::Left},
        {&edSearch, "edSearch", "", {0, 0, 121, 21}, &ListPanel,
         "Narrow the list to the names holding this text (* and ? as wildcards)", TAlign::Top},
        {&laFilter, "laFilter", "", {0, 21, 121, 13}, &ListPanel, "", TAlign::Top},
        {&ListBox, "ListBox", "", {0, 34, 121, 296}, &ListPanel, "", TAlign::Client, LBS_SORT},
        {&ZQSplitter1, "ZQSplitter1", "", {125, 24, 7, 330}, &TabControl, "", TAlign::Left},
        {&MainPanel, "MainPanel", "", {132, 24, 241, 330}, &TabControl, "", TAlign::Client},
        {&BottomPanel, "BottomPanel", "", {0, 294, 241, 36}, &MainPanel, "", TAlign::Bottom},
        {&btnHelp, "btnHelp", "Help", {8, 7, 75, 21}, &BottomPanel},
        {&laHint, "laHint", "", {96, 12, 0, 13}, &BottomPanel},
        {&ExtView.ExtPanel, "ExtPanel", "", {0, 0, 241, 294}, &MainPanel, "", TAlign::Client},
        {&ClassView.ClassPanel, "ClassPanel", "", {0, 0, 241, 294}, &MainPanel, "", TAlign::Client},
        {&ShortInfo.ShortInfoPanel,
         "ShortInfoPanel",
         "",
         {0, 0, 241, 294},
         &MainPanel,
         "",
         TAlign::Client},
    });
    ShortInfo.CreateControls();
    CreateToolBar();
    CreateViews();
    // The bottom bar's Help button comes after the view panels' controls in
    // the tab order.
    SetWindowPos(BottomPanel.Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ZQSplitter1.SetHandleWidthType(hwtPercentage);
    ZQSplitter1.SetHandleSize(25);
    ZQSplitter1.SetMinSize(Scaled(25));
    ZQSplitter1.SetResizeStyle(rsUpdate);
    ZQSplitter1.Loaded();
    pmListBox.Build({});
    ListBox.SetPopupMenu(&pmListBox);
    StatusBar.SetPanelWidths({Scaled(75), Scaled(300), Scaled(50)});
    // The count of the items shown is there only while a search text is.
    laFilter.SetAutoSize(false);
    laFilter.SetVisible(false);
    laHint.SetFontColor(RGB(255, 0, 0));
    ClassView.ClassPanel.SetVisible(false);
    ShortInfo.ShortInfoPanel.SetVisible(false);

    onShow = Handler(this, &TMainForm::FormShow);
    onClose = Handler(this, &TMainForm::FormClose);
    onShortCut = [this](WORD key) { return SearchShortCut(key) || FormShortCut(key); };
    edSearch.onChange = Handler(this, &TMainForm::edSearchChange);
    TabControl.onChange = Handler(this, &TMainForm::TabControlChange);
    ListBox.onClick = Handler(this, &TMainForm::ListBoxClick);
    btnHelp.onClick = Handler(this, &TMainForm::btnHelpClick);
    ShortInfo.lbShortInfo.onDblClick = Handler(this, &TMainForm::lbShortInfoDblClick);
    ShortInfo.btnShortInfoViewExt.onClick = Handler(this, &TMainForm::btnShortInfoViewExtClick);
    ScanItem.onClick = Handler(this, &TMainForm::ScanItemClick);
    tbtnScan.onClick = Handler(this, &TMainForm::ScanItemClick);
    UndoItem.onClick = Handler(this, &TMainForm::UndoItemClick);
    tbtnUndo.onClick = Handler(this, &TMainForm::UndoItemClick);
    ExportBackupItem.onClick = Handler(this, &TMainForm::ExportBackupItemClick);
    ExportItem.onClick = Handler(this, &TMainForm::ExportItemClick);
    ApplyProfileItem.onClick = Handler(this, &TMainForm::ApplyProfileItemClick);
    CheckItem.onClick = Handler(this, &TMainForm::CheckItemClick);
    tbtnCheck.onClick = Handler(this, &TMainForm::CheckItemClick);
    OpenWithListsItem.onClick = Handler(this, &TMainForm::OpensWithClick);
    tbtnOpenwithLists.onClick = Handler(this, &TMainForm::OpensWithClick);
    ExitItem.onClick = Handler(this, &TMainForm::ExitItemClick);
    HelpItem.onClick = Handler(this, &TMainForm::HelpItemClick);
    tbtnHelp.onClick = Handler(this, &TMainForm::HelpItemClick);
    NewExtensionItem.onClick = Handler(this, &TMainForm::NewExtensionItemClick);
    DeleteExtensionItem.onClick = Handler(this, &TMainForm::DeleteExtensionItemClick);
    NewFileclassItem.onClick = Handler(this, &TMainForm::NewFileclassItemClick);
    DeleteFileclassItem.onClick = Handler(this, &TMainForm::DeleteFileclassItemClick);
    ShortInfo.btnReg.onClick = Handler(this, &TMainForm::btnRegClick);
    ConfigurationItem.onClick = Handler(this, &TMainForm::ConfigurationItemClick);
    tbtnConfiguration.onClick = Handler(this, &TMainForm::ConfigurationItemClick);
    ScopeUserItem.onClick = Handler(this, &TMainForm::ScopeUserItemClick);
    ScopeMachineItem.onClick = Handler(this, &TMainForm::ScopeMachineItemClick);
    RestartAdminItem.onClick = [this] { RestartAsAdministrator(); };
    Systemsettings1.onClick = Handler(this, &TMainForm::Systemsettings1Click);
    InfoItem.onClick = Handler(this, &TMainForm::InfoItemClick);
    ZQAboutDialog1.DialogStyle = dsClassic;
    ZQAboutDialog1.Email = "support@corvix.de";

    FormCreate();
}

void TMainForm::CreateViews() {
    ExtView.CreateControls();
    ExtView.cbClasses.onDblClick = Handler(this, &TMainForm::cbClassesDblClick);
    ExtView.btnViewClass.onClick = Handler(this, &TMainForm::btnViewClassClick);
    ExtView.btnExtAssoc.onClick = Handler(this, &TMainForm::btnExtAssocClick);
    ExtView.btnExtDissoc.onClick = Handler(this, &TMainForm::btnExtDissocClick);
    ExtView.btnNew_Menu.onClick = Handler(this, &TMainForm::NewMenuBtnClick);
    ExtView.btnOpensWith.onClick = Handler(this, &TMainForm::OpensWithClick);

    ClassView.CreateControls(Handle());
    ClassView.imgIcon.onClick = Handler(this, &TMainForm::ItemIconChangeClick);
    ClassView.ItemIconChange.onClick = Handler(this, &TMainForm::ItemIconChangeClick);
    ClassView.cbAdvOption.onClick = Handler(this, &TMainForm::cbAdvOptionClick);
    ClassView.cbShowActions.onClick = Handler(this, &TMainForm::cbShowActionsClick);
    ClassView.lbAssocExt.onClick = Handler(this, &TMainForm::lbAssocExtClick);
    ClassView.lbAssocExt.onDblClick = Handler(this, &TMainForm::lbAssocExtDblClick);
    ClassView.btnViewExt.onClick = Handler(this, &TMainForm::btnViewExtClick);
    ClassView.btnClassAssoc.onClick = Handler(this, &TMainForm::btnClassAssocClick);
    ClassView.btnClassDissoc.onClick = Handler(this, &TMainForm::btnClassDissocClick);
}

TMainForm::~TMainForm() {
    FormDestroy();
}

void TMainForm::CreateMenu() {
    const TShortCut none;
    MainMenu.Build({
        {&FileMenu, 0, "FileMenu", "&File"},
        {&ScanItem, 1, "ScanItem", "(Re-)&scan", {VK_F5}, "(Re-)scan the registry"},
        {&CheckItem, 1, "CheckItem", "&Check associations ...", none,
         "Find broken links, programs and icons and repair them"},
        {&ExportBackupItem, 1, "ExportBackupItem", "Export &backup ...", none,
         "Write the changed keys or all file types to a REGEDIT4 file"},
        {&ExportItem, 1, "ExportItem", "&Export ...", none,
         "Write the associations for other machines or as a table"},
        {&ApplyProfileItem, 1, "ApplyProfileItem", "Apply &profile ...", none,
         "Apply the associations of another machine (XML or .reg) as one step"},
        {nullptr, 1, "", "-"},
        {&ExitItem, 1, "ExitItem", "E&xit", {'Q', FCONTROL}, "Exit the program"},
        {&EditMenu, 0, "EditMenu", "&Edit"},
        {&UndoItem, 1, "UndoItem", "&Undo", {'Z', FCONTROL}, "Take back the last change", false},
        {nullptr, 1, "", "-"},
        {&Systemsettings1, 1, "Systemsettings1", "Systemsettings ...", none,
         "Change global system settings"},
        {nullptr, 1, "", "-"},
        {&NewExtensionItem, 1, "NewExtensionItem", "New Extension ...", none,
         "Register new extension to the system"},
        {&DeleteExtensionItem, 1, "DeleteExtensionItem", "Delete Extension", none,
         "Delete the selected extension"},
        {nullptr, 1, "", "-"},
        {&NewFileclassItem, 1, "NewFileclassItem", "New Fileclass", none, "", true, false},
        {&DeleteFileclassItem, 1, "DeleteFileclassItem", "Delete Fileclass", none,
         "Delete the selected fileclass"},
        {&AdvancedMenu, 0, "AdvancedMenu", "&Advanced"},
        {&NewMenuItem, 1, "NewMenuItem", "'New' ...", none, "", false},
        {&OpenWithListsItem, 1, "OpenWithListsItem", "'Open with' Lists ...", none,
         "Show what opens the extension and edit its 'Open with' lists", false},
        {&SelectProgramItem, 1, "SelectProgramItem", "'Select program' ...", none, "", false},
        {&OptionsMenu, 0, "OptionsMenu", "&Options"},
        {&ConfigurationItem, 1, "ConfigurationItem", "&Configuration ...", none,
         "Configurate the program"},
        {nullptr, 1, "", "-"},
        {&ScopeUserItem, 1, "ScopeUserItem", "Changes apply to: this user", none,
         "Changes go to this user's classes (HKEY_CURRENT_USER\\Software\\Classes)"},
        {&ScopeMachineItem, 1, "ScopeMachineItem", "Changes apply to: all users", none,
         "Changes go to every user's classes (HKEY_LOCAL_MACHINE\\Software\\Classes)"},
        {&RestartAdminItem, 1, "RestartAdminItem", "Restart as administrator", none,
         "Start the program anew with the rights to change every user's classes"},
        {&HelpMenu, 0, "HelpMenu", "&Help"},
        {&HelpItem, 1, "HelpItem", "&Help", {VK_F1}, "Do you need Help?"},
        {nullptr, 1, "", "-"},
        {&InfoItem, 1, "InfoItem", "&Info ...", none, "About the program"},
    });
    SetMainMenu(&MainMenu);
}

void TMainForm::CreateToolBar() {
    // The images: a strip of nine 20 x 20 pictures on magenta. Without the
    // resource the buttons stay without images.
    TBitmapHandle strip(static_cast<HBITMAP>(
        LoadProgramImage(ResourceId(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ToolBar.SetImages(strip.Get(), TBIMG_SIZE, TBIMG_SIZE, RGB(255, 0, 255));
    ToolBar.SetButtonSize(Scaled(27), Scaled(27));
    ToolBar.AddButtons({
        {&tbtnScan, "tbtnScan", "Registry&scan", "(Re-)scan the registry", TBIMG_SCAN},
        {&tbtnUndo, "tbtnUndo", "&Undo", "Take back the last change", TBIMG_UNDO, false},
        {&tbtnCheck, "tbtnCheck", "&Check", "Check associations", TBIMG_CHECK},
        {},
        {&tbtnNew, "tbtnNew", "", "", TBIMG_NEW, false},
        {&tbtnOpenwithLists, "tbtnOpenwithLists", "", "Show what opens the extension",
         TBIMG_OPENWITHLISTS, false},
        {&tbtnSelectprogram, "tbtnSelectprogram", "", "", TBIMG_SELECTPROGRAM, false},
        {},
        {&tbtnConfiguration, "tbtnConfiguration", "&Configuration",
         "Opens the Configuration-Dialog", TBIMG_CONFIGURATION},
        {},
        {&tbtnHelp, "tbtnHelp", "&Help", "Do you need Help?", TBIMG_HELP},
    });
}
