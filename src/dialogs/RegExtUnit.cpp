#include "dialogs/RegExtUnit.h"

#include "association/DataType.h"
#include "dialogs/RegClassUnit.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"
#include "support/ZQRoutines.h"
#include "toolkit/Application.h"
#include "toolkit/HelpKey.h"

namespace {

// The perceived type is asked for on Windows XP only.
const int kWindowsXP = 9;
// The dialogs of registration carry no help context of their own.
const int kHelpContext = 0;

} // namespace

TRegExtForm::TRegExtForm(TCommands& commands)
    : TForm({"RegExtForm", "Register new extension", 0, 0, TBorderStyle::ToolWindow, nullptr, 297,
             143, TPosition::ScreenCenter}),
      commands_(commands) {
    // Parents before children; the order of siblings is the tab order.
    CreateControls({
        {&Panel1, "Panel1", "", {0, 0, 297, 107}, this, "", TAlign::Client},
        {&Panel2, "Panel2", "", {0, 107, 297, 36}, this, "", TAlign::Bottom},
        {&lExtension, "lExtension", "Extension", {8, 12, 0, 13}, &Panel1},
        {&lFileClass, "lFileClass", "Fileclass", {8, 36, 0, 13}, &Panel1},
        {&lContentType, "lContentType", "Content Type", {8, 60, 0, 13}, &Panel1},
        {&lPerceivedType, "lPerceivedType", "Perceived Type", {8, 84, 0, 13}, &Panel1},
        {&edtExtension, "edtExtension", "", {96, 8, 193, 21}, &Panel1},
        {&cbFileclass, "cbFileclass", "", {96, 32, 193, 21}, &Panel1},
        {&edtContentType, "edtContentType", "", {96, 56, 193, 21}, &Panel1},
        {&cbPerceivedType, "cbPerceivedType", "", {96, 80, 193, 21}, &Panel1},
        {&btnHelp, "btnHelp", "Help", {8, 8, 75, 21}, &Panel2, "Do you need Help?"},
        {&btnCancel, "btnCancel", "Cancel", {131, 8, 75, 21}, &Panel2},
        {&btnOK,
         "btnOK",
         "Register",
         {214, 8, 75, 21},
         &Panel2,
         "Register the extension with the given settings"},
    });
    btnCancel.SetModalResult(mrCancel);
    btnOK.SetModalResult(mrOk);
    SetDefaultButton(&btnOK);
    SetCancelButton(&btnCancel);

    onShow = Handler(this, &TRegExtForm::FormShow);
    edtExtension.onChange = Handler(this, &TRegExtForm::edtsChange);
    cbFileclass.onChange = Handler(this, &TRegExtForm::edtsChange);
    edtContentType.onChange = Handler(this, &TRegExtForm::edtsChange);
    cbPerceivedType.onChange = Handler(this, &TRegExtForm::edtsChange);
    btnOK.onClick = Handler(this, &TRegExtForm::btnOKClick);
    btnHelp.onClick = Handler(this, &TRegExtForm::btnHelpClick);
    onShortCut = HelpKey(Handler(this, &TRegExtForm::btnHelpClick));
}

void TRegExtForm::FormShow() {
    edtExtension.SetText("");
    TStringList names;
    commands_.Index().GetClassNames(names);
    cbFileclass.Items().Assign(names);
    cbFileclass.SetText("");
    edtContentType.SetText("");
    if (GetOSVersionCode() == kWindowsXP) {
        for (const char* name : PerceivedTypeNames)
            cbPerceivedType.Items().Add(name);
        cbPerceivedType.SetItemIndex(-1);
    } else {
        lPerceivedType.SetEnabled(false);
        cbPerceivedType.SetEnabled(false);
    }
    edtsChange();
}

void TRegExtForm::edtsChange() {
    const bool typeChosen = GetOSVersionCode() != kWindowsXP || cbPerceivedType.ItemIndex() >= 0;
    btnOK.SetEnabled(IsValidExtension(edtExtension.Text()) &&
                     IsValidFileClass(cbFileclass.Text()) && typeChosen);
}

void TRegExtForm::btnOKClick() {
    const std::string extension = edtExtension.Text();
    std::string className = cbFileclass.Text();
    // "Image" unless a listed type is chosen (on systems other than XP the
    // list is empty and the layer writes no type).
    TPerceivedType perceivedType = ptImage;
    const std::string typeText = cbPerceivedType.Text();
    for (int i = 0; i < PerceivedTypeCount; ++i)
        if (typeText == PerceivedTypeNames[i])
            perceivedType = static_cast<TPerceivedType>(i);
    // A refused write raises here: no question follows.
    Change = commands_.RegisterExtension(
        {extension, className, edtContentType.Text(), perceivedType}, [this](TNewClass& record) {
            TRegClassForm classForm(commands_);
            return classForm.Describe(record);
        });
}

void TRegExtForm::btnHelpClick() {
    Application.HelpContext(kHelpContext);
}
