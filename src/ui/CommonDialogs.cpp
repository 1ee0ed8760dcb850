#include "ui/CommonDialogs.h"

namespace ui {

namespace {

// Loaded from the system folder only (never a DLL of that name beside the program),
// once, and kept for the rest of the run.
template <class Function>
Function* CommonDialogFunction(const char* name) {
    static HMODULE library = LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

BOOL RunOpenFileDialog(OPENFILENAMEW& dialog) {
    auto* run = CommonDialogFunction<decltype(GetOpenFileNameW)>("GetOpenFileNameW");
    return run ? run(&dialog) : FALSE;
}

BOOL RunFontDialog(CHOOSEFONTW& dialog) {
    auto* run = CommonDialogFunction<decltype(ChooseFontW)>("ChooseFontW");
    return run ? run(&dialog) : FALSE;
}

BOOL RunColourDialog(CHOOSECOLORW& dialog) {
    auto* run = CommonDialogFunction<decltype(ChooseColorW)>("ChooseColorW");
    return run ? run(&dialog) : FALSE;
}

}  // namespace ui
