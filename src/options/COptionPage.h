// A page of the options sheet: it takes its part of the values before the sheet
// opens and gives it back at OK and Apply; it reaches the clock only through the host.
#pragma once

#include "options/OptionValues.h"
#include "options/OptionsHost.h"
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

private:
    OptionsHost* m_host = nullptr;
};
