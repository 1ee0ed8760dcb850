// A page of the options sheet: it takes its part of the values before the sheet
// opens and gives it back at OK and Apply; it reaches the clock only through the host.
#pragma once

#include <initializer_list>
#include <string>

#include "options/OptionValues.h"
#include "options/OptionsHost.h"
#include "ui/Control.h"
#include "ui/PropertyPage.h"

class COptionPage : public ui::PropertyPage {
public:
    using ui::PropertyPage::PropertyPage;

    // Copies this page's part of the values into its fields.
    virtual void Load(const OptionValues& values) = 0;
    // Copies the fields back; a page never shown gives back what it was given.
    virtual void Store(OptionValues& values) const = 0;

    void SetHost(OptionsHost& host) {
        m_host = &host;
        SetMessages({host.Env().messageBox, L"ぽこみ"});
    }

protected:
    OptionsHost& Host() const { return *m_host; }

    // A list whose file could not be read gives way to a notice naming the file, and
    // the controls that would edit it go too: nothing here can save over that file.
    void ShowUnreadableInstead(const std::wstring& file, int list, std::initializer_list<int> editors) const {
        ui::ShowNoticeInPlaceOf(
            m_hwnd, list,
            file +
                L" を読み込めないため、ここでは表示も編集もできません。\n"
                L"このファイルを開いているプログラムを閉じてから、オプションを開き直してください。");
        for (int id : editors) Child(id).Show(false);
    }

private:
    OptionsHost* m_host = nullptr;
};
