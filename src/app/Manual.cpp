#include "app/Manual.h"

#include "controls/LinkRules.h"

namespace {
constexpr wchar_t kCaption[] = L"ぽこみ";
constexpr wchar_t kMissingHead[] = L"説明書が見つかりません。\n\n";
constexpr wchar_t kMissingTail[] = L"\n\nぽこみを展開したフォルダーに manual.html を戻してください。";
}  // namespace

bool OpenManual(HWND owner, const std::wstring& programFolder) {
    return OpenManual(owner, programFolder, MakeSystemLinkShell());
}

bool OpenManual(HWND owner, const std::wstring& programFolder, const LinkShell& shell) {
    const std::wstring path = ManualPath(programFolder);
    if (!shell.fileExists(path)) {
        shell.messageBox(owner, kMissingHead + path + kMissingTail, kCaption, MB_OK | MB_ICONWARNING);
        return false;
    }
    return OpenLinkAddress(owner, path, shell);
}
