// Identifiers of the program's resources (res/corvix.rc). Plain #defines, as
// the resource compiler reads this file too.
#pragma once

// Icons.
#define IDI_MAINICON 1

// Bitmaps: the toolbar strip (nine 20 x 20 images on magenta, 0xFF00FF).
#define IDB_TOOLBAR 101

// Indexes of the images in the toolbar strip.
#define TBIMG_SCAN 0
#define TBIMG_UNUSED 1
#define TBIMG_NEW 2
#define TBIMG_OPENWITHLISTS 3
#define TBIMG_SELECTPROGRAM 4
#define TBIMG_CONFIGURATION 5
#define TBIMG_HELP 6
#define TBIMG_UNDO 7
#define TBIMG_CHECK 8
#define TBIMG_COUNT 9
#define TBIMG_SIZE 20

// Further bitmaps (splitter and the like) take 102 and up; icons 2 and up;
// string tables and dialogs 1000 and up.

// Strings of the program's library (string table).
#define IDS_OK 1000
#define IDS_CANCEL 1001
#define IDS_NO_CHANGE_ICON_DIALOG 1002
