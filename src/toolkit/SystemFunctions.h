// The system functions that Windows 95 or NT 4 (the oldest systems the
// program runs on) lack, in one place. Each is looked up at run time and has
// a fallback: imported directly, any one of them would make the loader refuse
// corvix.exe on those systems, the command line included.
// tests/release/check-imports.sh keeps the program's direct imports to what
// those systems export.
#pragma once

#include "platform/Win32.h"
#include "support/SystemFunction.h"

// The top-level window a window belongs to (GetAncestor with GA_ROOT, from
// Windows 98 and 2000 on); elsewhere the parents while the window is a child.
HWND RootWindow(HWND window);

// The edit field of a combo box, or null when it has none (GetComboBoxInfo,
// from Windows 98 and NT 4 SP6 on; elsewhere its child of the class "Edit").
HWND ComboBoxEdit(HWND combo);

// Asks for WM_MOUSELEAVE once the pointer leaves the window: TrackMouseEvent
// (Windows 98, NT 4), else the common controls' _TrackMouseEvent (from 4.70),
// else a timer that looks where the pointer is and posts WM_MOUSELEAVE.
void TrackMouseLeave(HWND window);

// Waits for `event` or for messages of the kinds `wake` (QS_...) at most
// `milliseconds`, and answers as MsgWaitForMultipleObjects: WAIT_OBJECT_0
// for the event, WAIT_OBJECT_0 + 1 for messages. Input already waiting
// counts too (MWMO_INPUTAVAILABLE, from Windows 98 and NT 4 on); on Windows
// 95 only input that arrives while it waits, and the time limit ends the wait.
DWORD WaitForEventOrMessages(HANDLE event, DWORD milliseconds, DWORD wake);

// A new manual-reset event without a name, not set; null on failure.
HANDLE CreateUnsetEvent();

// Registers the common controls' window classes `classes` (ICC_...):
// InitCommonControlsEx from version 4.70 on; the first Windows 95 has only
// InitCommonControls, which registers all of them.
void InitCommonControlClasses(DWORD classes);

// The size of TTTOOLINFOA (and TTTOOLINFOW, as large) that the loaded common
// controls accept (support/ZQRoutines decides), by their version, which
// DllGetVersion gives (from 4.71 on; older ones count as unknown).
UINT ToolInfoSize();

// Attaches to the console of the process that started the program
// (AttachConsole, from Windows XP on); false where it can't.
bool AttachParentConsole();
