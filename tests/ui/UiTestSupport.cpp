#include "UiTestSupport.h"

#include <algorithm>

#include "index/FileClassScan.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "support/ZQIniFiles.h"
#include "support/ZQRoutines.h"

// --- ScriptedDialogs

ScriptedDialogs::ScriptedDialogs() : previous_(Application.SetDialogHandler(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
    Application.SetDialogHandler(previous_);
}

namespace {

// The button that gives a modal result.
unsigned ButtonOf(int result) {
    switch (result) {
    case mrYes:
        return mbYes;
    case mrNo:
        return mbNo;
    case mrOk:
        return mbOK;
    case mrCancel:
        return mbCancel;
    default:
        return 0;
    }
}

} // namespace

std::string ButtonCaptions(unsigned buttons) {
    const std::pair<unsigned, const char*> captions[] = {
        {mbYes, "&Ja"}, {mbNo, "&Nein"}, {mbOK, "OK"}, {mbCancel, "Abbrechen"}};
    std::string text;
    for (const auto& c : captions)
        if (buttons & c.first)
            text += (text.empty() ? "" : "/") + std::string(c.second);
    return text;
}

void ScriptedDialogs::Expect(TDialogKind kind, int answer) {
    script_.push_back({kind, answer, nullptr, 0});
}

void ScriptedDialogs::Expect(TDialogKind kind, unsigned buttons, int answer) {
    script_.push_back({kind, answer, nullptr, buttons});
}

void ScriptedDialogs::ExpectModal(std::function<int(TForm&)> fill) {
    script_.push_back({TDialogKind::Modal, mrNone, std::move(fill), 0});
}

int ScriptedDialogs::Answer(const TDialogRequest& request) {
    if (request.kind == TDialogKind::Help) {
        help_.emplace_back(request.helpCommand, request.helpData);
        if (helpViewer_)
            helpViewer_->Show(nullptr, request.caption, request.helpCommand, request.helpData,
                              request.helpTopic);
        return 1;
    }
    const bool box = request.kind != TDialogKind::Modal;
    TAsked asked{request.kind, request.caption, request.text, box ? request.buttons : 0u,
                 box ? request.defaultButton : 0u};
    asked_.push_back(asked);
    bool expected = !script_.empty() && script_.front().kind == request.kind;
    if (expected && box) {
        const TStep& step = script_.front();
        expected = step.buttons ? step.buttons == request.buttons
                                : (request.buttons & ButtonOf(step.answer)) != 0;
    }
    if (!expected) {
        unexpected_.push_back(asked);
        throw EUnexpectedDialog("unexpected dialog \"" + request.caption + "\" (" +
                                ButtonCaptions(asked.buttons) + "): " + request.text);
    }
    TStep step = std::move(script_.front());
    script_.pop_front();
    if (step.fill)
        return step.fill(*request.form);
    return step.answer;
}

void ScriptedDialogs::Forget() {
    asked_.clear();
    unexpected_.clear();
    help_.clear();
}

// --- TempFolder

TempFolder::TempFolder() {
    static int counter = 0;
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + "corvix-ui-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                const std::string file = path_ + "\\" + found.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

int LineHeight() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Application.DefaultFont());
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm.tmHeight;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

namespace {

void Notify(const TWindow& control, WORD code) {
    SendMessageA(GetParent(control.Handle()), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(control.Handle()), code),
                 reinterpret_cast<LPARAM>(control.Handle()));
}

BOOL CALLBACK CollectTabStop(HWND hwnd, LPARAM param) {
    auto* names = reinterpret_cast<std::vector<std::string>*>(param);
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_TABSTOP)
        if (TWindow* window = TWindow::FromHandle(hwnd))
            if (!window->Name().empty()) // not a part of a control
                names->push_back(window->Name());
    return TRUE;
}

} // namespace

void ClickButton(const TWindow& button) {
    if (button.Enabled())
        Notify(button, BN_CLICKED);
}

void TypeText(TWindow& field, const std::string& text) {
    // Into the edit field itself (of a combo box: its edit part), replacing
    // its whole text as typing does, so it reports the change: an edit part
    // of a combo box reports none for a text set with WM_SETTEXT.
    HWND edit = field.Handle();
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (dynamic_cast<TComboBox*>(&field) && GetComboBoxInfo(edit, &info) && info.hwndItem)
        edit = info.hwndItem;
    SendWindowMessage(edit, EM_SETSEL, 0, -1);
    SendTextMessage(edit, EM_REPLACESEL, TRUE, text);
}

void ChooseEntry(TComboBox& combo, int index) {
    combo.SetItemIndex(index);
    Notify(combo, CBN_SELCHANGE);
}

void PressKey(HWND target, WORD key, bool ctrl) {
    BYTE state[256];
    GetKeyboardState(state);
    const BYTE saved = state[VK_CONTROL];
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(state);
    SetFocus(target);
    // With its scan code, as the keyboard sends it (the translation of
    // Ctrl+letter into a character needs it).
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, WM_KEYDOWN, key, scan | 1);
    Application.ProcessMessages();
    state[VK_CONTROL] = saved;
    SetKeyboardState(state);
}

std::string Selected(TMainForm& form) {
    const int index = form.ListBox.ItemIndex();
    return index < 0 ? "<none>" : form.ListBox.Items()[index];
}

void PressEnter(TForm& form) {
    SendMessageA(form.Handle(), WM_COMMAND, IDOK, 0);
}

void PressEscape(TForm& form) {
    SendMessageA(form.Handle(), WM_COMMAND, IDCANCEL, 0);
}

void CloseBox(TForm& form) {
    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
}

std::vector<std::string> TabOrder(const TForm& form) {
    // Depth first in z-order, as the dialog manager walks controls that
    // hold controls (WS_EX_CONTROLPARENT).
    std::vector<std::string> names;
    EnumChildWindows(form.Handle(), CollectTabStop, reinterpret_cast<LPARAM>(&names));
    return names;
}

TIndexPicture PictureOf(const TFileClass& index) {
    TIndexPicture picture;
    TStringList names;
    index.GetClassNames(names);
    for (const std::string& name : names) {
        TStringList extensions;
        index.GetClassExtensions(name, extensions);
        std::vector<std::string> sorted = extensions.Items();
        std::sort(sorted.begin(), sorted.end());
        picture[name] = sorted;
    }
    return picture;
}

TIndexPicture IndexOfRegistry() {
    TFileClass fresh;
    ScanFileClasses(fresh);
    return PictureOf(fresh);
}

// --- MainWindowTest

void MainWindowTest::TearDown() {
    form_.reset();
    EXPECT_TRUE(dialogs_.Unexpected().empty())
        << "unexpected: " << dialogs_.Unexpected().front().text;
    EXPECT_EQ(dialogs_.Pending(), 0u) << "scripted answers left unused";
}

void MainWindowTest::Set(const std::string& section, const std::string& key,
                         const std::string& value) {
    TZQIniFile(SettingsPath()).WriteString(section, key, value);
}

std::string MainWindowTest::Get(const std::string& section, const std::string& key) const {
    return TZQIniFile(SettingsPath()).ReadString(section, key, "<none>");
}

void MainWindowTest::ExpectGateWarning() {
    if (GetOSVersionCode() != 8)
        dialogs_.Expect(TDialogKind::Warning, mbOK, mrOk);
}

TMainForm& MainWindowTest::Create() {
    form_.reset(); // one main window at a time, as in the program
    form_ = std::make_unique<TMainForm>(SettingsPath());
    Application.SetMainForm(form_.get());
    return *form_;
}

TMainForm& MainWindowTest::Open() {
    Create();
    form_->Show();
    Pump();
    return *form_;
}

void MainWindowTest::CloseAndDestroy() {
    form_->Close();
    form_.reset();
}

void MainWindowTest::ClickTab(int index) {
    TTabControl& tabs = form_->TabControl;
    tabs.SetTabIndex(index);
    NMHDR header = {tabs.Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(tabs.Handle())),
                    static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(GetParent(tabs.Handle()), WM_NOTIFY, header.idFrom,
                 reinterpret_cast<LPARAM>(&header));
}

void MainWindowTest::ClickItem(const std::string& text) {
    TListBox& list = form_->ListBox;
    const int index = list.Items().IndexOf(text);
    ASSERT_GE(index, 0) << text << " is not listed";
    list.SetItemIndex(index);
    SendMessageA(GetParent(list.Handle()), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(list.Handle()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.Handle()));
}
