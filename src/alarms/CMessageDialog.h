// The message window: a borderless, rounded, always-on-top pop-up that pages
// through due alarms, showing each one's subject and text and playing its sound.
// Without any text it stays invisible, plays the sounds in turn and closes itself.
// It shows without taking the keyboard from the window the user is typing in, and
// a page can be snoozed: the clock opens it again later. It is modeless and deletes
// itself when its window is destroyed.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "alarms/MessageWindowHost.h"
#include "common/DpiScale.h"
#include "content/AlarmEntry.h"
#include "controls/CTipToolBar.h"
#include "ui/Environment.h"
#include "controls/CTextLabel.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"

// What a message window is given when it is opened.
struct MessageWindowArgs {
    HWND owner = nullptr;                   // the program's main window, so no taskbar button shows
    std::weak_ptr<MessageWindowHost> host;  // the clock; the window stays silent and cannot snooze once it is gone
    ui::Environment env;
};

class CMessageDialog : public ui::Dialog {
public:
    static constexpr UINT_PTR kSoundTimer = 22222;
    static constexpr UINT kSoundPollMs = 100;
    static constexpr int kMinimumTextHeight = 100;
    static constexpr int kWindowExtra = 90;   // window height = text height + this
    static constexpr int kButtonOffset = 60;  // buttons' top = text height + this

    explicit CMessageDialog(MessageWindowArgs args);

    // What the caption of a snoozed page shows after the pager text.
    static constexpr wchar_t kSnoozedNote[] = L"スヌーズ";

    // Opens a window holding copies of the entries, each with the short note its page's
    // caption shows (none when `notes` is shorter). Returns its handle, or nullptr when
    // it could not be created. The caller keeps no pointer.
    static HWND Open(const AlarmList& entries, MessageWindowArgs args, const std::vector<std::wstring>& notes = {});

    void AddEntry(const AlarmEntry& entry, std::wstring note = {});
    const AlarmList& Entries() const { return m_entries; }
    int CurrentIndex() const { return m_currentIndex; }
    bool IsSoundOnly() const { return m_soundOnly != 0; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    void OnOK() override;
    void OnCancel() override;
    void OnFinalDestroyed() override;

private:
    void CreateCloseToolBar();
    void CreateTitleFont();
    void KeepLabelClearOfPicture();
    void WidenCaptionToCloseButton();
    void ShowWithoutFocus();
    void ShowPagingButtons(bool paging);

    void ShowEntry(AlarmEntry entry);
    void PlayEntrySound(const AlarmEntry& entry);
    void LayOut(int textHeight);
    void LayOutPage();
    void OnDpiChanged(int dpi, const RECT& suggested);
    void RebuildRegion();
    void UpdatePager(int index);
    void ShowCaption(int index);
    bool IsLastPage() const;

    void OnNext();
    void OnPrevious();
    void OnSoundTimer();
    void OnContextMenu(LPARAM lParam);
    void OnMove();
    void OnActivate(WPARAM state);
    void OnSnoozeButton();
    void Snooze(int minutes);

    // A bitmap resource whose grays, black, white and red stand for the system's 3D colours.
    void DrawMappedBitmap(HDC dc, UINT id, int x, int y);
    ui::Environment m_env;
    std::weak_ptr<MessageWindowHost> m_host;
    AlarmList m_entries;
    std::vector<std::wstring> m_notes;  // one per entry: shown after the caption's pager text
    int m_currentIndex = 0;
    int m_soundOnly = 0;
    DpiScale m_scale;  // of the monitor the window opened on; its pixel sizes are for 96 DPI
    ui::gdi::Font m_titleFont;
    std::map<UINT, ui::gdi::Bitmap> m_frameArt;  // corners and character, mapped and sized
    CTipToolBar m_closeToolBar;
    CTextLabel m_messageLabel;
};
