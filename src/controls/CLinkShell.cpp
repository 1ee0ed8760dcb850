#include "controls/CLinkShell.h"

#include "controls/LinkRules.h"

namespace {

constexpr wchar_t kCaption[] = L"ぽこみ";
constexpr wchar_t kMissingHead[] = L"説明書が見つかりません。\n\n";
constexpr wchar_t kMissingTail[] = L"\n\nぽこみを展開したフォルダーに manual.html を戻してください。";

}  // namespace

bool OpenLinkAddress(HWND owner, const std::wstring& address, const ui::LinkShell& shell) {
    LinkOpeners openers;
    openers.shellOpen = [&](const std::wstring& target) { return shell.shellOpen(owner, target); };
    openers.readClassesRoot = shell.readClassesRoot;
    openers.runCommand = shell.runCommand;
    LinkOutcome outcome = OpenLinkThrough(address, openers);
    if (outcome.opened) return true;
    shell.beep(MB_ICONEXCLAMATION);
    shell.messageBox(owner, LinkErrorText(outcome.code), kCaption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool OpenManual(HWND owner, const std::wstring& programFolder, const ui::LinkShell& shell) {
    const std::wstring path = ManualPath(programFolder);
    if (!shell.fileExists(path)) {
        shell.messageBox(owner, kMissingHead + path + kMissingTail, kCaption, MB_OK | MB_ICONWARNING);
        return false;
    }
    return OpenLinkAddress(owner, path, shell);
}
