#include <gtest/gtest.h>

#include "AlarmTestPrinters.h"
#include "alarms/AlarmEditing.h"

TEST(AlarmEditingTest, NewAlarmFromTheWizard) {
    ScheduleEditor schedule;
    schedule.Start(ScheduleNumbers{3, 14, 9, 26, 5});
    schedule.SelectDateUnit(kDateDaily);
    const AlarmEntry noSound{L"朝", L"NULL", L"起きて\r\n早く", L"毎日", L"NULL", L"指定の時刻", L"9:26"};
    EXPECT_EQ(BuildNewAlarm({L"朝", L"", L"起きて\r\n早く"}, schedule), noSound);
    EXPECT_EQ(BuildNewAlarm({L"朝", L"C:\\a.wav", L""}, schedule).Sound, L"C:\\a.wav");
}

TEST(AlarmEditingTest, EditedAlarmRebuildsTheScheduleOnlyWhenItsPageWasShown) {
    const std::pair<AlarmEntry, AlarmEntry> cases[] = {
        // original, and the result after the schedule page was shown and left as it was
        {{L"件名", L"NULL", L"本文", L"毎年", L"012/24日", L"指定の時刻", L" 7:05"},
         {L"新", L"NULL", L"本文", L"毎年", L"12/24", L"指定の時刻", L"7:5"}},
        {{L"件名", L"", L"本文", L"毎日", L"0", L"毎時", L"15分"},
         {L"新", L"NULL", L"本文", L"毎日", L"NULL", L"毎時", L"15"}},
        {{L"件名", L"NULL", L"", L"毎", L"7", L"時々", L"?"}, {L"新", L"NULL", L"", L"毎", L"7", L"時々", L"?"}},
        {{L"件名", L"C:\\a.wav", L"", L"毎週", L"1", L"毎時", L"0"},
         {L"新", L"C:\\a.wav", L"", L"毎週", L"1", L"毎時", L"0"}},
    };
    for (const auto& [original, rebuilt] : cases) {
        AlarmTexts texts = TextsOf(original);
        EXPECT_NE(texts.Sound, L"NULL");
        texts.Subject = L"新";

        AlarmEntry textOnly = original;
        textOnly.Subject = texts.Subject;
        textOnly.Sound = rebuilt.Sound;
        EXPECT_EQ(BuildEditedAlarm(original, texts, nullptr), textOnly);

        ScheduleEditor schedule;
        schedule.Load(original, ScheduleNumbers{3, 14, 9, 26, 5});
        EXPECT_EQ(BuildEditedAlarm(original, texts, &schedule), rebuilt);
    }
}

TEST(AlarmEditingTest, ButtonsFollowTheTexts) {
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
