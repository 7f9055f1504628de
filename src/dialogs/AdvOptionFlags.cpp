#include "dialogs/AdvOptionFlags.h"

namespace {

// The left column holds boxes 1 to 10, the right one boxes 11 to 19; the
// rows are 26 pixels apart except between the fifth and the sixth (24).
constexpr int kTops[10] = {24, 50, 76, 102, 128, 152, 178, 204, 230, 256};
constexpr int kHeight = 17;

constexpr TBounds Left(int row, int width) {
    return {16, kTops[row], width, kHeight};
}
constexpr TBounds Right(int row) {
    return {184, kTops[row], 193, kHeight};
}

} // namespace

const TFlagBox FlagBoxes[FlagBoxCount] = {
    {"CheckBox1", "efExclude", "", efExclude, Left(0, 97)},
    {"CheckBox2", "show file class",
     "Shows the file class also if it isn't associated with a file name extension. (e.g.: "
     "folders)",
     efShow, Left(1, 97)},
    {"CheckBox3", "has extension", "The file class has a file name extension.", efHasExtension,
     Left(2, 97)},
    {"CheckBox4", "can't be edited",
     "The registry entries associated with this file class cannot be edited. New entries cannot "
     "be added and existing entries cannot be modified or deleted.",
     efNoEdit, Left(3, 97)},
    {"CheckBox5", "can't be deleted",
     "The registry entries associated with this file class cannot be deleted.", efNoRemove,
     Left(4, 97)},
    {"CheckBox6", "no new action", "No new verbs can be added to the file class.", efNoNewVerb,
     Left(5, 97)},
    {"CheckBox7", "can't modify canonical verbs",
     "Canonical verbs such as open and print cannot be modified or deleted.", efNoEditVerb,
     Left(6, 153)},
    {"CheckBox8", "can't delete canonical verbs",
     "Canonical verbs such as open and print cannot be deleted.", efNoRemoveVerb, Left(7, 153)},
    {"CheckBox9", "can't modify the description",
     "The description of the file class cannot be modified or deleted.", efNoEditDesc,
     Left(8, 153)},
    {"CheckBox10", "can't modify the icon",
     "The icon assigned to the file class cannot be modified or deleted.", efNoEditIcon,
     Left(9, 153)},
    {"CheckBox11", "can't modify default verb", "The default verb cannot be modified.",
     efNoEditDflt, Right(0)},
    {"CheckBox12", "can't modify default verb commands",
     "The commands associated with verbs cannot be modified.", efNoEditVerbCmd, Right(1)},
    {"CheckBox13", "can't modify any verb", "Verbs cannot be modified or deleted.", efNoEditVerbExe,
     Right(2)},
    {"CheckBox14", "can't modify any DDE-entries",
     "The DDE-related entries cannot be modified or deleted.", efNoDDE, Right(3)},
    {"CheckBox15", "can't modify the content-type",
     "The content-type and default-extension entries cannot be modified or deleted.", efNoEditMIME,
     Right(4)},
    {"CheckBox16", "open is safe (downloaded files)",
     "The file class's open verb can be safely invoked for downloaded files.", efOpenIsSafe,
     Right(5)},
    {"CheckBox17", "can't enable \"Never ask me\"",
     "Do not allow the \"Never ask me\" check box to be enabled. The user can override this "
     "attribute through the File Type dialog box.",
     efAlwaysUnsafe, Right(6)},
    {"CheckBox18", "always show the extension",
     "Always show the file class's file name extension, even if the user has selected the "
     "\"Hide Extensions\" option.",
     efAlwaysShowExt, Right(7)},
    {"CheckBox19", "don't add to recent documents",
     "Don't add members of this file class to the Recent Documents folder.", efNoRecentDocs,
     Right(8)},
};
