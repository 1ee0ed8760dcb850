#include <gtest/gtest.h>

#include "AlarmTestPrinters.h"
#include "alarms/AlarmEditing.h"

namespace {

constexpr ScheduleNumbers kNow{3, 14, 9, 26, 5};

}  // namespace

TEST(AlarmEditingTest, NewAlarmFromTheWizard) {
    struct Case {
        AlarmTexts texts;
        int dateUnit;
        int timeUnit;
        AlarmEntry expected;
    };
    const Case cases[] = {
        {{L"朝", L"", L"起きて\r\n早く"},
         kDateDaily,
         kTimeAtTime,
         {L"朝", L"NULL", L"起きて\r\n早く", L"毎日", L"NULL", L"指定の時刻", L"9:26"}},
        {{L"鐘", L"C:\\a.wav", L""},
         kDateYearly,
         kTimeHourly,
         {L"鐘", L"C:\\a.wav", L"", L"毎年", L"3/14", L"毎時", L"26"}},
        {{L"", L"C:\\b.wav", L"x"},
         kDateWeekly,
         kTimeAtTime,
         {L"", L"C:\\b.wav", L"x", L"毎週", L"5", L"指定の時刻", L"9:26"}},
    };
    for (const Case& c : cases) {
        ScheduleEditor schedule;
        schedule.Start(kNow);
        schedule.SelectDateUnit(c.dateUnit);
        schedule.SelectTimeUnit(c.timeUnit);
        EXPECT_EQ(BuildNewAlarm(c.texts, schedule), c.expected);
    }
}

TEST(AlarmEditingTest, EditedAlarmRebuildsTheScheduleOnlyWhenItsPageWasShown) {
    struct Case {
        AlarmEntry original;
        AlarmEntry rebuilt;  // after the schedule page was shown and nothing changed on it
    };
    const Case cases[] = {
        {{L"件名", L"NULL", L"本文", L"毎年", L"012/24日", L"指定の時刻", L" 7:05"},
         {L"新しい件名", L"NULL", L"本文", L"毎年", L"12/24", L"指定の時刻", L"7:5"}},
        {{L"件名", L"NULL", L"本文", L"毎日", L"0", L"毎時", L"15分"},
         {L"新しい件名", L"NULL", L"本文", L"毎日", L"NULL", L"毎時", L"15"}},
        {{L"件名", L"", L"本文", L"毎", L"7", L"時々", L"?"},
         {L"新しい件名", L"NULL", L"本文", L"毎", L"7", L"時々", L"?"}},
    };
    for (const Case& c : cases) {
        AlarmTexts texts = TextsOf(c.original);
        texts.Subject = L"新しい件名";

        AlarmEntry textOnly = c.original;
        textOnly.Subject = texts.Subject;
        textOnly.Sound = L"NULL";
        EXPECT_EQ(BuildEditedAlarm(c.original, texts, nullptr), textOnly);

        ScheduleEditor schedule;
        schedule.Load(c.original, kNow);
        EXPECT_EQ(BuildEditedAlarm(c.original, texts, &schedule), c.rebuilt);
    }
}

TEST(AlarmEditingTest, SoundBoxShowsNoSoundAsEmptyAndStoresItAsNull) {
    const AlarmEntry original{L"件名", L"NULL", L"本文", L"毎日", L"NULL", L"毎時", L"0"};
    const AlarmTexts texts = TextsOf(original);
    EXPECT_EQ(texts.Sound, L"");
    EXPECT_EQ(BuildEditedAlarm(original, texts, nullptr), original);

    AlarmTexts withSound = texts;
    withSound.Sound = L"D:\\ring.wav";
    EXPECT_EQ(BuildEditedAlarm(original, withSound, nullptr).Sound, L"D:\\ring.wav");
}

TEST(AlarmEditingTest, WizardButtonsFollowTheContent) {
    struct Case {
        AlarmTexts texts;
        unsigned contentPage;   // on activation, or after the sound or message changed
        unsigned afterSubject;  // after the subject changed
        bool boxesEnabled;
        bool canConfirm;  // the property sheet's OK
    };
    const unsigned back = kWizardBack;
    const unsigned backNext = kWizardBack | kWizardNext;
    const Case cases[] = {
        {{L"", L"", L""}, back, back, false, false},
        {{L"件名", L"", L""}, back, back, true, false},
        {{L"件名", L"a.wav", L""}, backNext, backNext, true, true},
        {{L"件名", L"", L"本文"}, backNext, backNext, true, true},
        // Browsing with an empty subject fills the sound box and turns Next on.
        {{L"", L"a.wav", L""}, backNext, back, false, false},
        {{L"", L"", L"本文"}, backNext, back, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.texts.Subject + L"|" + c.texts.Sound + L"|" + c.texts.Message));
        EXPECT_EQ(WizardButtonsFor(WizardPage::Intro, c.texts), kWizardNext);
        EXPECT_EQ(WizardButtonsFor(WizardPage::Content, c.texts), c.contentPage);
        EXPECT_EQ(WizardButtonsFor(WizardPage::Schedule, c.texts), kWizardBack | kWizardFinish);
        EXPECT_EQ(WizardButtonsAfterSubjectChange(c.texts), c.afterSubject);
        EXPECT_EQ(AreContentBoxesEnabled(c.texts), c.boxesEnabled);
        EXPECT_EQ(CanConfirmAlarm(c.texts), c.canConfirm);
    }
}
