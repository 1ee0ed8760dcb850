// Turning what the add-alarm wizard and the alarm property sheet hold into
// alarm entries, and the rules for their buttons.
#pragma once

#include <string>

#include "content/AlarmEntry.h"
#include "alarms/ScheduleEditor.h"

// The texts of the wizard's content page and of the property sheet's general page.
struct AlarmTexts {
    std::wstring Subject;
    std::wstring Sound;  // empty when the alarm has no sound of its own
    std::wstring Message;
};

// The texts an existing entry shows: a "NULL" sound is an empty sound box.
AlarmTexts TextsOf(const AlarmEntry& entry);

// The new entry that the finished wizard describes.
AlarmEntry BuildNewAlarm(const AlarmTexts& texts, const ScheduleEditor& schedule);

// The entry after the property sheet's OK. shownSchedule is null when the
// schedule page was never shown: the four schedule fields then stay exactly
// as stored.
AlarmEntry BuildEditedAlarm(const AlarmEntry& original, const AlarmTexts& texts, const ScheduleEditor* shownSchedule);

// Buttons of the wizard, combined as flags.
enum WizardButton : unsigned {
    kWizardBack = 1,
    kWizardNext = 2,
    kWizardFinish = 4,
};
enum class WizardPage { Intro, Content, Schedule };

// The buttons when a page becomes active; for the content page also after
// its sound or its message changed.
unsigned WizardButtonsFor(WizardPage page, const AlarmTexts& texts);

// The buttons after the content page's subject changed.
unsigned WizardButtonsAfterSubjectChange(const AlarmTexts& texts);

// The sound and message boxes are enabled only while there is a subject.
bool AreContentBoxesEnabled(const AlarmTexts& texts);

// The property sheet's OK and Apply: a subject, and a sound or a message.
bool CanConfirmAlarm(const AlarmTexts& texts);
