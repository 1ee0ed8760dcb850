// The clock window: a borderless, rounded modeless dialog showing the face.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "alarms/MessageWindowHost.h"
#include "content/AlarmEntry.h"
#include "ui/Environment.h"
#include "clock/CFacePainter.h"
#include "clock/ClockOwner.h"
#include "content/ClockSettings.h"
#include "clock/FaceMapping.h"
#include "common/Geometry.h"
#include "clock/Random.h"
#include "clock/TimeText.h"
#include "content/CDataFileStore.h"
#include "content/CWavePlayer.h"
#include "content/DataFolder.h"
#include "content/SoundPlayer.h"
#include "content/SoundTable.h"
#include "controls/CHoverButton.h"
#include "controls/CTextLabel.h"
#include "options/OptionsHost.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"
#include "ui/IniProfile.h"
#include "ui/Tooltip.h"

// What the clock holds, as tests and tools read it.
struct ClockSnapshot {
    ClockSettings settings;
    std::vector<std::wstring> illustrationNames;
    std::vector<int> shownFlags;
    SoundTable sounds;
    AlarmList alarms;
    AlarmList dueList;
    int illustrationIndex = 0;
    POINT restorePosition{0, 0};
    int closing = 0;
    int pictureChangeCount = 0;
    int returnHomeCount = 0;
    LocalTime lastDrawn;  // hour (0-11), minute and second only
    std::wstring tooltipText;
    UINT topMostIcon = 0;
    bool topMostChecked = false;
};

class CClockDialog : public ui::Dialog, public MessageWindowHost, public OptionsHost {
public:
    // Ticks the time just after each change of second (of minute while minimised).
    static constexpr UINT_PTR kSecondTimer = 1;
    // Counts the quiet time before the return home, and ticks the time too, three times a
    // second. It rests once the count has passed the return, until something resets the count.
    static constexpr UINT_PTR kReturnHomeTimer = 123456;
    // How long a close waits at most for the exit sound to end.
    static constexpr UINT_PTR kExitSoundTimer = 2;
    static constexpr UINT kExitSoundWait = 3000;
    // Posted to itself: shows the messages a tick left to be told once it has returned.
    static constexpr UINT kTellLaterMessage = WM_APP + 1;
    // Snoozed pages wait on timers of their own, numbered from here.
    static constexpr UINT_PTR kFirstSnoozeTimer = 0x70000000;
    static constexpr int kWidth = 165;
    static constexpr int kHeight = 422;

    CClockDialog(const ui::Environment& env, ClockOwner* owner);
    ~CClockDialog() override;

    bool Create(HWND parent);  // modeless, from the clock's template
    void SaveAll();
    void ShowContextMenu(int x, int y);
    void ToggleMinimized();
    // Brings the clock to the user: restored when minimised, in front, or the modal
    // window it has open in front of it.
    void ComeForward();
    bool IsClosing() const { return m_closing != 0; }
    // The face, hands and second hand as the last drawn time shows them, into any DC.
    void PaintFace(HDC dc) const;
    // The second step alone, into any DC: the old second hand off, the new one on,
    // where the last paint put the second hand in pixels.
    void StepSecondHand(HDC dc, int oldSecond, int newSecond) const;

    // The values the options sheet opens on.
    OptionValues CurrentOptionValues() const;
    // Lists the user edited from the ones held now; saved by the next SaveAll.
    // A list equal to the one held changes nothing, so a file left alone stays so.
    void SetShownFlags(std::vector<int> flags);
    void SetSounds(SoundTable sounds);
    void SetAlarms(AlarmList alarms);

    // Sounds: one player for the whole program; a request while a sound plays is dropped.
    bool PlayEventSound(SoundEvent event) override;
    bool PlaySoundFile(const std::wstring& path) override;
    void StopEventSound() override;
    bool SoundPlaying() const override { return m_soundPlaying != 0; }
    // The player and snooze for windows that may outlive the clock: it expires with the clock.
    std::weak_ptr<MessageWindowHost> PlayerHandle() const { return m_playerHandle; }
    bool Snooze(const AlarmEntry& entry, int minutes) override;

    ClockSnapshot Snapshot() const;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool PreTranslateMessage(MSG& msg) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool OnPaint() override;
    void OnFinalDestroyed() override;

private:
    // What the options sheet may ask of the clock (OptionsHost).
    const ui::Environment& Env() const override { return m_env; }
    POINT WindowTopLeft() const override;
    Rect ClockWorkArea() const override { return ClockMonitor().workArea; }
    void ShowIllustration(int index) override;
    HIMAGELIST AlarmImages() const override { return m_imageList.Get(); }
    SoundPlayer& Player() override { return *this; }
    void TestAlarm(const AlarmEntry& entry) override;
    void ApplyOptions(const OptionValues& values, const OptionValues& base) override;

    // Command 107: the options sheet over copies of the settings and lists.
    void ShowOptions();
    // Command 101: the about box; F1: the manual.
    void ShowAbout();
    void ShowManual();
    // The context menu's pop-up with its checks, grayed items and default item set.
    ui::gdi::Menu BuildContextMenu() const;
    void RebuildDueList();

    // Start-up
    void AttachControls();
    struct CaptionButtonSpec {
        CHoverButton CClockDialog::*button;
        UINT icon;     // its icon (the always-on-top one while not on top)
        UINT tooltip;  // string resource
        int x;         // at 96 DPI
    };
    static const std::array<CaptionButtonSpec, 3>& CaptionButtons();
    void SetUpCaptionButtons();
    void LayOutCaptionButtons();
    void SetUpLabel();
    void LayOutLabel();
    void PlaceChild(HWND child, const RECT& at96) const;
    // Moved to a monitor of another DPI: the window takes the size and place the
    // system suggests, and everything drawn follows the new DPI.
    void OnDpiChanged(int dpi, const RECT& suggested);
    void CreateImageList();
    void PlaceWindow();
    void ApplyTopMost();
    void ApplyWindowShape();
    void CreateTooltip();
    void CreateLabelFont();
    bool StartTimers();
    void StartMinimized();

    // Face: what the painter draws now, kept off the caption controls
    FaceScene Scene() const;
    void ExcludeCaptionControls(HDC dc) const;

    // Tick
    void Tick(UINT_PTR timer);
    void FollowTime(const LocalTime& now);
    void KeepTickInStep(const LocalTime& now);
    static DayPeriodWords DayPeriods();
    void CountQuietTime();
    void WakeReturnHomeCount();
    void AdvancePictureChange();
    void SetLastDrawnTime(int hour12, int minute, int second);
    void MinuteRefresh(HDC dc, const LocalTime& now);
    void SecondStep(HDC dc, const LocalTime& now);
    void ShowLabel(bool show);
    void RefreshLabel();
    const std::wstring& TooltipText();
    void ShowDueMessages(const AlarmList& entries);
    void ShowMissedMessages(const LocalTime& last, const LocalTime& now);
    void OpenMessageWindow(const AlarmList& entries, const std::vector<std::wstring>& notes = {});
    bool OnSnoozeTimer(UINT_PTR id);  // false: not a snooze timer

    // Sounds and window commands
    bool StartSound(const std::wstring& path);  // resolves the path; true when it plays
    void OnMciNotify(WPARAM flags, LPARAM deviceId);
    void OnMouseMove(WPARAM flags, LPARAM point);
    void ReturnHome();
    void ToggleTopMost();
    void MinimizeToTray();
    void RestoreFromTray();
    std::optional<Rect> FindTaskbar();  // says so when there is none
    Rect WindowRect() const;
    // The window's size in pixels at its monitor's DPI.
    Size WindowSize() const { return {m_scale.Px(kWidth), m_scale.Px(kHeight)}; }

    // Data folder
    void LoadDataFiles();
    void RefreshDataFiles(bool tellLater);
    void TellLaterMessages();
    bool SaveDataFiles();  // reports a failure itself
    const std::vector<std::wstring>& IllustrationNames() const { return m_data.IllustrationNames(); }

    // Modal dialogs of the clock: the clock disabled and the notification icon 173 meanwhile.
    template <class Modal, class Run>
    INT_PTR RunModal(const Modal& modal, Run run);
    void SetModalState(bool open);
    bool BringModalForward() const;  // false when no modal window of the clock is open

    // Commands and messages
    void OnClose();
    bool StartExitSound();  // true when the close waits for it
    void FinishClose();
    void OnEndSession();
    void OnContextMenu(LPARAM lParam);

    int ShowMessage(const std::wstring& text, const std::wstring& caption, UINT type);
    // The monitor the clock is on (or is restored onto while minimised); the primary one
    // when it is on none.
    MonitorArea ClockMonitor() const;
    // Brings the window (or its restore position) back onto the monitors when it lies on none.
    void KeepOnScreen();

    ui::Environment m_env;
    ClockOwner* m_owner;
    DpiScale m_scale;  // of the monitor the window is on
    ui::IniProfile m_profile;

    CWavePlayer m_player;
    std::shared_ptr<MessageWindowHost> m_playerHandle;  // points at this object; owns nothing
    int m_soundPlaying = 0;
    int m_closing = 0;
    POINT m_restorePosition{0, 0};
    ClockSettings m_settings;
    int m_returnHomeCount = 0;
    int m_illustrationIndex = 0;
    int m_pictureChangeCount = 0;
    ui::gdi::ImageList m_imageList;
    CDataFileStore m_dataStore;
    DataFolder m_data;                 // the illustration names, shown flags, sound table and alarm list
    bool m_profileUnreadable = false;  // pokomi.ini is there but could not be read: it is left alone
    bool m_quiet = false;              // the session ends: nobody is there to answer a box
    std::vector<std::wstring> m_laterMessages;
    std::function<HWND()> m_modalWindow;  // the options sheet or the about box while it is open
    AlarmList m_dueList;
    std::map<UINT_PTR, AlarmEntry> m_snoozed;  // by timer: pages to open again
    UINT_PTR m_nextSnoozeTimer = kFirstSnoozeTimer;
    RandomGenerator m_random;
    int m_lastSecond = 0;
    int m_lastMinute = 0;
    int m_lastHour = 0;
    // The minute the tick last handled, counted across days (MinuteNumber); none after
    // the time was set, when nothing is made up for.
    std::optional<long long> m_handledMinute;
    UINT m_tickElapse = 0;  // the second timer's period as last set
    bool m_returnHomeTimerRuns = false;
    std::optional<LocalTime> m_textTime;  // of the last second step: what the label and tooltip show
    std::wstring m_labelText;             // as last set on the label
    std::wstring m_tooltipText;           // as last handed to the tooltip
    CFacePainter m_painter{m_settings};

    CTextLabel m_label;
    CHoverButton m_closeButton;
    CHoverButton m_topMostButton;
    CHoverButton m_minimizeButton;
    ui::gdi::Font m_labelFont;
    ui::Tooltip m_tooltip;
    bool m_hideAfterCreate = false;
};
