#include "dialogs/RegClassUnit.h"

#include "association/DataType.h"
#include "index/ZQFileAssoc.h"
#include "registry/ValueText.h"
#include "support/StringList.h"
#include "toolkit/Application.h"
#include "toolkit/HelpKey.h"
#include "toolkit/SystemShell.h"

namespace {

const int kHelpContext = 0;

// The icon at `index` of a file, or none.
TIconHandle FileIcon(const std::string& fileName, int index) {
    return TIconHandle(ExtractIconOf(fileName, index));
}

} // namespace

TRegClassForm::TRegClassForm(TCommands& commands)
    : TForm({"RegClassForm", "Register new fileclass", 0, 0, TBorderStyle::ToolWindow, nullptr, 297,
             192, TPosition::ScreenCenter}),
      commands_(commands) {
    // Parents before children; the order of siblings is the tab order.
    CreateControls({
        {&Panel1, "Panel1", "", {0, 0, 297, 156}, this, "", TAlign::Client},
        {&Panel2, "Panel2", "", {0, 156, 297, 36}, this, "", TAlign::Bottom},
        {&lFileClass, "lFileClass", "Fileclass", {8, 12, 0, 13}, &Panel1},
        {&lFileType, "lFileType", "Filetype", {8, 36, 0, 13}, &Panel1},
        {&lInfoTip, "lInfoTip", "Infotip", {8, 60, 0, 13}, &Panel1},
        {&lCurVer, "lCurVer", "Current Version", {8, 84, 0, 13}, &Panel1},
        {&lIcon, "lIcon", "Icon", {8, 113, 0, 13}, &Panel1},
        {&cbFileClass, "cbFileClass", "", {88, 8, 201, 21}, &Panel1},
        {&edtFileType, "edtFileType", "", {88, 32, 201, 21}, &Panel1},
        {&edtInfoTip, "edtInfoTip", "", {88, 56, 201, 21}, &Panel1},
        {&cbCurVer, "cbCurVer", "", {88, 80, 201, 21}, &Panel1},
        {&Bevel1, "Bevel1", "", {88, 108, 42, 42}, &Panel1},
        {&imgIcon, "imgIcon", "", {93, 113, 32, 32}, &Panel1},
        {&btnHelp, "btnHelp", "Help", {8, 8, 75, 21}, &Panel2, "Do you need Help?"},
        {&btnCancel, "btnCancel", "Cancel", {131, 8, 75, 21}, &Panel2},
        {&btnOK,
         "btnOK",
         "Register",
         {214, 8, 75, 21},
         &Panel2,
         "Register the fileclass with the given settings"},
    });
    imgIcon.SetCursor(SystemCursor(IDC_HAND));
    // The shell's dialog is owned by this dialog, which waits while it is
    // open (the main window is already waiting for this one).
    ZQShChangeIconDialog1.Owner = Handle();
    btnCancel.SetModalResult(mrCancel);
    btnOK.SetModalResult(mrOk);
    SetDefaultButton(&btnOK);
    SetCancelButton(&btnCancel);

    onShow = Handler(this, &TRegClassForm::FormShow);
    edtFileType.onChange = Handler(this, &TRegClassForm::edtsChange);
    edtInfoTip.onChange = Handler(this, &TRegClassForm::edtsChange);
    cbCurVer.onChange = Handler(this, &TRegClassForm::edtsChange);
    imgIcon.onClick = Handler(this, &TRegClassForm::imgIconClick);
    btnOK.onClick = Handler(this, &TRegClassForm::btnOKClick);
    btnHelp.onClick = Handler(this, &TRegClassForm::btnHelpClick);
    onShortCut = HelpKey(Handler(this, &TRegClassForm::btnHelpClick));
}

int TRegClassForm::Execute(const std::string& className) {
    FileClassName = className;
    SetCaption(className);
    return ShowModal();
}

bool TRegClassForm::Describe(TNewClass& record) {
    describeOnly_ = true;
    if (Execute(record.FileClass) != mrOk)
        return false;
    record = Record();
    return true;
}

TNewClass TRegClassForm::Record() const {
    // Without a click on the icon the class keeps the icon the image shows.
    return {FileClassName, edtFileType.Text(), edtInfoTip.Text(), cbCurVer.Text(),
            FetchStoredIcon ? std::string() : IconLocation};
}

void TRegClassForm::FormShow() {
    FetchStoredIcon = true;
    // The class is fixed: shown in a simple combo box that can't be edited.
    cbFileClass.SetText(FileClassName);
    cbFileClass.SetEnabled(false);
    // What the class holds already is shown, so that Register keeps what the
    // user does not change.
    const TClassTexts stored = GetClassTexts(FileClassName);
    edtFileType.SetText(stored.Description);
    edtInfoTip.SetText(stored.InfoTip);
    TStringList names;
    commands_.Index().GetClassNames(names);
    cbCurVer.Items().Assign(names);
    cbCurVer.SetText(stored.CurVer);
    imgIcon.SetIcon(TIconHandle(GetClassIcon(FileClassName)));
    edtsChange();
}

void TRegClassForm::edtsChange() {
    const std::string curVer = cbCurVer.Text();
    btnOK.SetEnabled(IsValidFileClass(curVer) || (curVer.empty() && (!edtFileType.Text().empty() ||
                                                                     !edtInfoTip.Text().empty())));
}

void TRegClassForm::imgIconClick() {
    // The stored icon is the start only once; after that the dialog starts
    // from the location chosen so far, and a cancelled choice keeps it.
    if (FetchStoredIcon) {
        IconLocation = GetDefaultIcon(cbFileClass.Text());
        FetchStoredIcon = false;
    }
    ZQShChangeIconDialog1.FileName = IconFileOf(IconLocation);
    ZQShChangeIconDialog1.IconIndex = IconIndexOf(IconLocation);
    if (!ZQShChangeIconDialog1.Execute())
        return;
    IconLocation =
        MakeIconLocation(ZQShChangeIconDialog1.FileName, ZQShChangeIconDialog1.IconIndex);
    imgIcon.SetIcon(FileIcon(ZQShChangeIconDialog1.FileName, ZQShChangeIconDialog1.IconIndex));
}

void TRegClassForm::btnOKClick() {
    if (!describeOnly_)
        Change = commands_.RegisterClass(Record());
}

void TRegClassForm::btnHelpClick() {
    Application.HelpContext(kHelpContext);
}
