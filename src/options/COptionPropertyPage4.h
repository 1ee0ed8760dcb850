// The sound page: the nine event sound lists as a tree of events and their files;
// files are added and cleared, and one can be tried out through the clock's player.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "options/COptionPage.h"
#include "options/SoundTree.h"
#include "ui/Gdi.h"

class COptionPropertyPage4 : public COptionPage {
public:
    // While a file is tried out, this timer watches for the end of the sound.
    static constexpr UINT_PTR kPollTimer = 11111;
    static constexpr UINT kPollPeriod = 100;

    COptionPropertyPage4();

    void Load(const OptionValues& values) override;
    void Store(OptionValues& values) const override;

    SoundTree m_sounds;  // the page's own copy of the sound table

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    void FillTree();
    void OnAdd();
    void OnClear();
    void OnPlay();
    void OnStop();
    void OnSelectionChanged();
    void EndTest();

    HWND Tree() const;
    std::optional<SoundTreeItem> Selected() const;
    bool FileSelected() const;
    HTREEITEM ItemAt(const SoundTreeItem& item) const;
    HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, const std::wstring& text, int image) const;
    SoundButtons Buttons() const;
    void ShowButtons(const SoundButtons& buttons) const;

    ui::gdi::Icon m_playIcon;
    ui::gdi::Icon m_stopIcon;
    bool m_testing = false;         // a file of this page is being tried out
    std::wstring m_unreadableFile;  // Sound.ini when it could not be read
};
