// The system's common dialogs (open file, font, colour), from comdlg32 loaded the first
// time one of them opens. Linked at start, comdlg32 brings the print spooler's client
// and, under Wine, the printing system's libraries with it: megabytes of memory for a
// program that mostly shows a clock and may never open one of these dialogs.
#pragma once
#include <windows.h>
#include <commdlg.h>

namespace ui {

// As GetOpenFileNameW, ChooseFontW and ChooseColorW; FALSE (as a cancel) when the
// system's dialog library cannot be loaded.
BOOL RunOpenFileDialog(OPENFILENAMEW& dialog);
BOOL RunFontDialog(CHOOSEFONTW& dialog);
BOOL RunColourDialog(CHOOSECOLORW& dialog);

}  // namespace ui
