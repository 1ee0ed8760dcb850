// What the pages of the options sheet may ask of the clock while the sheet is open.
// Everything else they edit is a copy, handed back only at OK and Apply.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "common/Geometry.h"
#include "content/AlarmEntry.h"
#include "ui/Environment.h"
#include "content/SoundPlayer.h"
#include "options/OptionValues.h"

class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    // The world the clock runs in: message boxes, file and font dialogs, the time.
    virtual const ui::Environment& Env() const = 0;
    // The top-left of the clock window as it stands, or as it will be restored when minimised.
    virtual POINT WindowTopLeft() const = 0;
    // The work area of the monitor the clock is on.
    virtual Rect ClockWorkArea() const = 0;
    // Shows an illustration at once ("今すぐ表示"); it stays even when the sheet is cancelled.
    virtual void ShowIllustration(int index) = 0;
    // The clock's 16 x 16 alarm and event icons; lent, never destroyed by a page.
    virtual HIMAGELIST AlarmImages() const = 0;
    // The clock's one sound player, for trying a sound out.
    virtual SoundPlayer& Player() = 0;
    // Opens a message window for an alarm at once, as if it were due.
    virtual void TestAlarm(const AlarmEntry& entry) = 0;
    // Takes the values as OK and Apply hand them back: applies, saves and redraws.
    // `base` is what the pages started from, so that only what the user changed is taken.
    virtual void ApplyOptions(const OptionValues& values, const OptionValues& base) = 0;
};
