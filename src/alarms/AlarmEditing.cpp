#include "alarms/AlarmEditing.h"

namespace {

bool HasContent(const AlarmTexts& texts) { return !texts.Sound.empty() || !texts.Message.empty(); }

void WriteTexts(const AlarmTexts& texts, AlarmEntry& entry) {
    entry.Subject = texts.Subject;
    entry.Sound = texts.Sound.empty() ? std::wstring(kNoValue) : texts.Sound;
    entry.Message = texts.Message;
}

}  // namespace

AlarmTexts TextsOf(const AlarmEntry& entry) {
    return {entry.Subject, entry.Sound == kNoValue ? std::wstring() : entry.Sound, entry.Message};
}

AlarmEntry BuildNewAlarm(const AlarmTexts& texts, const ScheduleEditor& schedule) {
    AlarmEntry entry;
    WriteTexts(texts, entry);
    schedule.WriteSchedule(entry);
    return entry;
}

AlarmEntry BuildEditedAlarm(const AlarmEntry& original, const AlarmTexts& texts, const ScheduleEditor* shownSchedule) {
    AlarmEntry entry = original;
    WriteTexts(texts, entry);
    if (shownSchedule != nullptr) {
        shownSchedule->WriteSchedule(entry);
    }
    return entry;
}

unsigned WizardButtonsFor(WizardPage page, const AlarmTexts& texts) {
    switch (page) {
    case WizardPage::Intro: return kWizardNext;
    case WizardPage::Content: return HasContent(texts) ? kWizardBack | kWizardNext : kWizardBack;
    case WizardPage::Schedule: return kWizardBack | kWizardFinish;
    }
    return kWizardBack;
}

unsigned WizardButtonsAfterSubjectChange(const AlarmTexts& texts) {
    if (!AreContentBoxesEnabled(texts)) {
        return kWizardBack;
    }
    return WizardButtonsFor(WizardPage::Content, texts);
}

bool AreContentBoxesEnabled(const AlarmTexts& texts) { return !texts.Subject.empty(); }

bool CanConfirmAlarm(const AlarmTexts& texts) { return !texts.Subject.empty() && HasContent(texts); }
