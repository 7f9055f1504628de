// The places of the controls in the main window's view panels, the dialogs
// and the tool windows, compared with their design tables (WindowTable.h):
// at 96 pixels per inch exactly, on a screen of another scale at the design
// times the scale. Rows with a right or bottom gap stand for the layouts that
// follow the window's size: the gap must scale too.
#include "UiTestSupport.h"
#include "WindowTable.h"

#include <cstdlib>
#include <functional>

#include "controls/ZQAbout.h"
#include "controls/ZQSelectQuery.h"
#include "dialogs/ActionUnit.h"
#include "dialogs/AdvOptionUnit.h"
#include "dialogs/CheckForm.h"
#include "dialogs/NewActionUnit.h"
#include "dialogs/ProgConfig.h"
#include "dialogs/RegClassUnit.h"
#include "dialogs/RegExtUnit.h"
#include "dialogs/SysOptionUnit.h"
#include "toolkit/DesignScale.h"

namespace {

// name, {left, top, width, height}, right gap, bottom gap
const std::vector<TPlaceFacts> kExtPanelDesign = {
    {"laFileClass", {8, 12, kAny, kAny}},
    {"cbClasses", {80, 8, kAny, kAny}, 11},
    // Too narrow a panel for the buttons beside the label: they start at its left.
    {"btnExtAssoc", {8, 34, 65, 21}},
    {"btnExtDissoc", {73, 34, 65, 21}},
    {"btnViewClass", {138, 34, 97, 21}},
    {"bExt1", {8, 64, kAny, 2}, 11},
    {"laContentType", {8, 76, kAny, kAny}},
    {"edtContentType", {80, 72, kAny, 21}, 11},
    {"bExt2", {8, 104, kAny, 2}, 11},
    {"laNew_Menu", {8, 116, kAny, kAny}},
    {"btnNew_Menu", {8, 136, 169, 21}},
    {"bExt3", {8, 166, kAny, 2}, 11},
    {"laOpensWith", {8, 176, kAny, 26}, 11},
    {"btnOpensWith", {8, 206, 97, 21}},
};

const std::vector<TPlaceFacts> kClassPanelDesign = {
    {"laClassType", {8, 12, kAny, kAny}},
    {"edtClass_Type", {80, 8, kAny, 21}, 11},
    {"rgExtVisibility", {8, 88, kAny, 81}, 11},
    {"cbAdvOption", {8, 176, 169, 17}},
    {"lbAssocExt", {8, 232, kAny, kAny}, 11 + 5 + 113},
    {"btnClassAssoc", {kAny, 232, 113, 21}, 11},
    {"btnClassDissoc", {kAny, 256, 113, 21}, 11},
    {"btnViewExt", {kAny, 280, 113, 21}, 11},
    {"edtIconFileName", {80, 47, kAny, 21}, 11},
    {"cbShowActions", {8, 192, 97, 17}},
    {"Bevel1", {8, 36, 42, 42}},
    {"imgIcon", {13, 41, 32, 32}},
    {"laLinkedExtCount", {8, 216, kAny, kAny}},
};

const std::vector<TPlaceFacts> kProgConfigDesign = {
    {"cbStartupScan", {8, 8, 363, 17}},       {"cbSaveMode", {8, 28, 363, 17}},
    {"cbVersionWarn", {8, 48, 363, 17}},      {"gbWhileWorking", {8, 72, 363, 76}},
    {"cbOptimizeSystem", {8, 16, 349, 28}},   {"cbAlwaysAsk", {8, 48, 349, 17}},
    {"gbRestore", {8, 154, 363, 88}},         {"cbRestoreWnd", {8, 18, 349, 17}},
    {"cbRestoreTab", {8, 40, 349, 17}},       {"cbRestoreSelItem", {8, 62, 349, 17}},
    {"laMail", {8, 250, kAny, kAny}},         {"laNote", {8, 268, kAny, kAny}},
    {"BottomPanel", {0, 283, 379, 36}, 0, 0}, {"btnHelp", {8, 7, 75, 23}},
    {"btnCancel", {216, 7, 75, 23}},          {"btnOK", {296, 7, 75, 23}},
};

const std::vector<TPlaceFacts> kSysOptionDesign = {
    {"CheckBox1", {16, 16, 305, 17}}, {"BottomPanel", {0, 157, 337, 36}, 0, 0},
    {"btnHelp", {8, 7, 75, 23}},      {"btnCancel", {174, 7, 75, 23}},
    {"btnOK", {254, 7, 75, 23}},
};

const std::vector<TPlaceFacts> kRegExtDesign = {
    {"Panel1", {0, 0, 297, 107}},          {"Panel2", {0, 107, 297, 36}, 0, 0},
    {"lExtension", {8, 12, kAny, kAny}},   {"lFileClass", {8, 36, kAny, kAny}},
    {"lContentType", {8, 60, kAny, kAny}}, {"lPerceivedType", {8, 84, kAny, kAny}},
    {"edtExtension", {96, 8, 193, 21}},    {"cbFileclass", {96, 32, 193, kAny}},
    {"edtContentType", {96, 56, 193, 21}}, {"cbPerceivedType", {96, 80, 193, kAny}},
    {"btnHelp", {8, 8, 75, 21}},           {"btnCancel", {131, 8, 75, 21}},
    {"btnOK", {214, 8, 75, 21}},
};

const std::vector<TPlaceFacts> kRegClassDesign = {
    {"Panel1", {0, 0, 297, 156}},        {"Panel2", {0, 156, 297, 36}, 0, 0},
    {"lFileClass", {8, 12, kAny, kAny}}, {"lFileType", {8, 36, kAny, kAny}},
    {"lInfoTip", {8, 60, kAny, kAny}},   {"lCurVer", {8, 84, kAny, kAny}},
    {"lIcon", {8, 113, kAny, kAny}},     {"cbFileClass", {88, 8, 201, kAny}},
    {"edtFileType", {88, 32, 201, 21}},  {"edtInfoTip", {88, 56, 201, 21}},
    {"cbCurVer", {88, 80, 201, kAny}},   {"Bevel1", {88, 108, 42, 42}},
    {"imgIcon", {93, 113, 32, 32}},      {"btnHelp", {8, 8, 75, 21}},
    {"btnCancel", {131, 8, 75, 21}},     {"btnOK", {214, 8, 75, 21}},
};

const std::vector<TPlaceFacts> kNewActionDesign = {
    {"Panel1", {0, 0, 297, 85}},           {"Panel2", {0, 85, 297, 36}, 0, 0},
    {"lAction", {8, 12, kAny, kAny}},      {"lCaption", {8, 36, kAny, kAny}},
    {"lCommand", {8, 60, kAny, kAny}},     {"edtAction", {72, 8, 217, 21}},
    {"edtCaption", {72, 32, 217, 21}},     {"edtCommand", {72, 56, 217, 21}},
    {"Button", {kAny, 0, 18, kAny}, 0, 0}, // the browse button inside edtCommand
    {"btnCancel", {131, 8, 75, 21}},       {"btnOK", {214, 8, 75, 21}},
};

// The action window follows its size: the tree fills what the buttons and
// the command row leave, the fields end 7 pixels before the right edge.
const std::vector<TPlaceFacts> kActionDesign = {
    {"Panel1", {0, 0, kAny, kAny}, 0},
    {"TreeNTActions", {0, 0, kAny, kAny}, 7 + 75 + 7},
    {"btnNew", {kAny, 8, 75, 21}, 7},
    {"btnDel", {kAny, 32, 75, 21}, 7},
    {"btnDefault", {kAny, 64, 75, 21}, 7},
    {"gbDDE", {0, kAny, kAny, 121}, 0, 0},
    {"laDDECommand", {16, 20, kAny, kAny}},
    {"edtDDECommand", {80, 16, kAny, 21}, 7},
    {"laDDEApp", {16, 44, kAny, kAny}},
    {"edtDDEApp", {80, 40, kAny, 21}, 7},
    {"laDDETopic", {16, 68, kAny, kAny}},
    {"edtDDETopic", {80, 64, kAny, 21}, 7},
    {"laDDEIfExec", {16, 92, kAny, kAny}},
    {"edtDDEIfExec", {80, 88, kAny, 21}, 7},
    {"pCommand", {0, kAny, kAny, 30}, 0, 121},
    {"laCommand", {10, 9, kAny, kAny}},
    {"edtCommand", {80, 5, kAny, 21}, 7},
    {"Button", {kAny, 0, 18, kAny}, 0, 0}, // the browse buttons inside the two fields
    {"Panel2", {0, kAny, kAny, 36}, 0, 0},
    {"btnOK", {kAny, 7, 75, 21}, 7},
    {"btnHelp", {8, 7, 75, 21}},
};

std::vector<TPlaceFacts> AdvOptionDesign() {
    std::vector<TPlaceFacts> rows = {
        {"gbExtOptions", {0, 0, 386, 281}},
        {"Panel2", {0, 281, 386, 36}, 0, 0},
        {"btnOK", {304, 7, 75, 21}},
        {"btnHelp", {8, 7, 75, 21}},
    };
    for (int i = 0; i < FlagBoxCount; ++i)
        rows.push_back({FlagBoxes[i].name, FlagBoxes[i].bounds});
    return rows;
}

const std::vector<TPlaceFacts> kCheckDesign = {
    {"StatusBar", {0, kAny, kAny, kAny}, 0, 0},
    {"ButtonPanel", {0, kAny, kAny, 37}, 0},
    {"btnCheck", {8, 8, 85, 23}},
    {"btnStop", {98, 8, 60, 23}},
    {"btnRepair", {170, 8, 75, 23}},
    {"btnRepairKind", {250, 8, 140, 23}},
    {"btnRegister", {395, 8, 100, 23}},
    {"btnShow", {500, 8, 60, 23}},
    {"btnClose", {572, 8, 60, 23}},
    {"List", {0, 0, kAny, kAny}, 0},
};

// The prompt decides the width; the list keeps 8 pixels to each side.
const std::vector<TPlaceFacts> kSelectQueryDesign = {
    {"laPrompt", {8, 12, kAny, kAny}},
    {"cbList", {8, kAny, kAny, kAny}, 8},
    {"btnOK", {kAny, kAny, 75, 25}},
    {"btnCancel", {kAny, kAny, 75, 25}},
};

// The classic about box: the values' column at 144, the button in the
// bottom right corner 8 pixels from the edges.
const std::vector<TPlaceFacts> kAboutDesign = {
    {"AppIconImg", {8, 8, 32, 32}},
    {"ProductL", {56, 8, kAny, kAny}},
    {"AppProductnameL", {144, 8, kAny, kAny}},
    {"VersionL", {56, kAny, kAny, kAny}},
    {"AppVersionL", {144, kAny, kAny, kAny}},
    {"LegalCopyrightL", {8, kAny, kAny, kAny}},
    {"AppCopyrightL", {80, kAny, kAny, kAny}},
    {"HomepageL", {8, kAny, kAny, kAny}},
    {"AppHomepageL", {80, kAny, kAny, kAny}},
    {"EmailL", {8, kAny, kAny, kAny}},
    {"AppEmailL", {80, kAny, kAny, kAny}},
    {"Bevel1", {4, kAny, kAny, 2}, 4},
    {"AppCommentL", {8, kAny, kAny, kAny}},
    {"OKBtn", {kAny, kAny, 75, 25}, 8, 8},
};

// A form's client size in design pixels, compared as the places are.
std::string CompareClientSize(const TForm& form, int width, int height) {
    if (SameOnScreen(form.ClientWidth(), width) && SameOnScreen(form.ClientHeight(), height))
        return "";
    return "client size " + std::to_string(form.ClientWidth()) + " x " +
           std::to_string(form.ClientHeight()) + ", design " + std::to_string(Scaled(width)) +
           " x " + std::to_string(Scaled(height)) + "\n";
}

} // namespace

TEST(ScreenScale, IsTheOneTheTestRunAsksFor) {
    // run-at-dpi.sh names the screen's scale it set up; without it the
    // tables would be compared at 96 and prove nothing about another scale.
    const char* expected = std::getenv("CORVIX_EXPECT_DPI");
    if (!expected)
        GTEST_SKIP() << "no scale asked for";
    EXPECT_EQ(ScreenDpi(), std::atoi(expected));
}

TEST_F(MainWindowTest, EveryDialogShowsItsDesign) {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
    QuietGate();
    TMainForm& main = Open();
    TCommands& commands = main.Commands();
    EXPECT_EQ(ComparePlaces(main.ExtView.ExtPanel, kExtPanelDesign), "");
    ClickTab(1);
    EXPECT_EQ(ComparePlaces(main.ClassView.ClassPanel, kClassPanelDesign), "");

    struct TWindowCase {
        const char* name;
        std::function<std::unique_ptr<TForm>()> make;
        std::vector<TPlaceFacts> design;
        int clientWidth; // design pixels; 0: follows the contents or the frame
        int clientHeight;
    };
    const TWindowCase windows[] = {
        {"ProgConfigForm", [&] { return std::make_unique<TProgConfigForm>(SettingsPath()); },
         kProgConfigDesign, 379, 319},
        {"SysOptionForm", [&] { return std::make_unique<TSysOptionForm>(commands); },
         kSysOptionDesign, 337, 193},
        {"RegExtForm", [&] { return std::make_unique<TRegExtForm>(commands); }, kRegExtDesign, 297,
         143},
        {"RegClassForm", [&] { return std::make_unique<TRegClassForm>(commands); }, kRegClassDesign,
         297, 192},
        {"NewActionForm",
         [&] { return std::make_unique<TNewActionForm>(commands, "txtfile", main.Handle()); },
         kNewActionDesign, 297, 121},
        {"ActionForm",
         [&] {
             auto form = std::make_unique<TActionForm>(commands, SettingsPath());
             form->SetFileClass("txtfile");
             return form;
         },
         kActionDesign, 0, 0},
        {"AdvOptionForm",
         [&] {
             auto form = std::make_unique<TAdvOptionForm>(commands, SettingsPath());
             form->SetFileClass("txtfile");
             return form;
         },
         AdvOptionDesign(), 386, 317},
        {"CheckForm", [&] { return std::make_unique<TCheckForm>(commands); }, kCheckDesign, 640,
         360},
        {"SelectQuery",
         [&] {
             auto query = std::make_unique<TSelectQuery>();
             query->laPrompt.SetText("Associate .txt with one of the classes below");
             return query;
         },
         kSelectQueryDesign, 0, 0},
        {"ZQAboutDlg",
         [&] {
             auto box = std::make_unique<TZQAboutDlg>();
             main.ZQAboutDialog1.Fill(*box);
             return box;
         },
         kAboutDesign, 0, 0},
    };
    for (const TWindowCase& w : windows) {
        std::unique_ptr<TForm> form = w.make();
        form->Show();
        Pump();
        EXPECT_EQ(form->Name(), w.name);
        EXPECT_EQ(ComparePlaces(*form, w.design), "") << w.name;
        if (w.clientWidth > 0)
            EXPECT_EQ(CompareClientSize(*form, w.clientWidth, w.clientHeight), "") << w.name;
        form->Hide();
    }
    // The action window's default size is the design's (an outer size);
    // its tree's rows grow with the font.
    TActionForm action(commands, SettingsPath());
    action.Show();
    EXPECT_NEAR(action.Width(), Scaled(285), ScaleTolerance());
    EXPECT_NEAR(action.Height(), Scaled(300), ScaleTolerance());
    EXPECT_NEAR(action.TreeNTActions.ItemHeight(), Scaled(16), ScaleTolerance());
    action.Hide();
}
