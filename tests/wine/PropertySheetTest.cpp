// The property-sheet layer: pages bound to their windows, refusal when leaving a
// page, the Apply button's state and transfer, and which button ended the sheet.
#include <windows.h>

#include <gtest/gtest.h>

#include "WineTestSupport.h"
#include "resource.h"
#include "ui/PropertyPage.h"
#include "ui/PropertySheet.h"

namespace {

// A page with a text and a number from 1 to 10 (the sound box holds the number).
class NumberPage : public ui::PropertyPage {
public:
    explicit NumberPage(std::vector<MessageBoxCall>& boxes) : ui::PropertyPage(IDD_SETTING_GENERAL) {
        SetMessages({RecordMessageBoxes(boxes), L"test"});
    }
    std::wstring subject = L"件名";
    int number = 5;
    bool initialised = false;

protected:
    BOOL OnInitDialog() override {
        initialised = true;
        return ui::PropertyPage::OnInitDialog();
    }
    void DoDataExchange(ui::DataExchange& exchange) override {
        exchange.Text(IDC_ALARM_SUBJECT, subject);
        exchange.Int(IDC_ALARM_SOUND, number, 1, 10);
    }
};

class OtherPage : public ui::PropertyPage {
public:
    OtherPage() : ui::PropertyPage(IDD_SETTING_SCHEDULE) {}
};

class CountingSheet : public ui::PropertySheet {
public:
    CountingSheet() : ui::PropertySheet(L"テスト") {}
    int applied = 0;
    int okAccepted = 0;  // counted while the sheet's window is still there
    using ui::PropertySheet::Button;

protected:
    void OnApplied() override { ++applied; }
    void OnOkAccepted() override { okAccepted += IsWindow(Handle()) ? 1 : 100; }
};

class PropertySheetTest : public testing::Test {
protected:
    std::vector<MessageBoxCall> m_boxes;
    NumberPage m_number{m_boxes};
    OtherPage m_other;
    CountingSheet m_sheet;
    void SetUp() override {
        m_sheet.AddPage(m_number);
        m_sheet.AddPage(m_other);
    }
    void SetNumber(const wchar_t* text) { SetDlgItemTextW(m_number.Handle(), IDC_ALARM_SOUND, text); }
};

TEST_F(PropertySheetTest, APageRefusesToBeLeftWithABadValueAndOkTakesTheFields) {
    ModalScript script({
        [&] {
            ASSERT_TRUE(m_number.initialised);
            EXPECT_EQ(Text(m_number.Handle(), IDC_ALARM_SUBJECT), L"件名");
            SetDlgItemTextW(m_number.Handle(), IDC_ALARM_SUBJECT, L"新しい件名");
            SetNumber(L"11");
            SendMessageW(m_sheet.Handle(), PSM_SETCURSEL, 1, 0);
        },
        [&] {
            EXPECT_EQ(CurrentPage(m_sheet.Handle()), m_number.Handle());  // refused: still here
            ASSERT_EQ(m_boxes.size(), 1u);
            EXPECT_EQ(m_boxes[0].text, L"1 から 10 までの整数を入力してください。");
            EXPECT_EQ(GetFocus(), GetDlgItem(m_number.Handle(), IDC_ALARM_SOUND));
            SetNumber(L"十");  // not a number at all
            SendMessageW(m_sheet.Handle(), PSM_SETCURSEL, 1, 0);
        },
        [&] {
            EXPECT_EQ(m_boxes.size(), 2u);
            SetNumber(L"7");
            SendMessageW(m_sheet.Handle(), PSM_SETCURSEL, 1, 0);
        },
        [&] {
            EXPECT_EQ(CurrentPage(m_sheet.Handle()), m_other.Handle());
            SendMessageW(m_sheet.Handle(), PSM_PRESSBUTTON, PSBTN_OK, 0);  // as a click would
        },
    });
    EXPECT_EQ(m_sheet.DoModal(nullptr), IDOK);
    EXPECT_EQ(script.StepsRun(), 4u);
    EXPECT_EQ(m_number.subject, L"新しい件名");
    EXPECT_EQ(m_number.number, 7);
    EXPECT_EQ(m_sheet.applied, 0);  // OK is no Apply
    EXPECT_EQ(m_sheet.okAccepted, 1);
}

TEST_F(PropertySheetTest, ApplyIsOnlyForChangesAndCancelAfterApplyKeepsWhatWasApplied) {
    ModalScript script({
        [&] {
            EXPECT_FALSE(IsWindowEnabled(m_sheet.Button(ui::kApplyButton)));
            m_number.SetModified();
            EXPECT_TRUE(IsWindowEnabled(m_sheet.Button(ui::kApplyButton)));
            SetNumber(L"3");
            Click(m_sheet.Handle(), ui::kApplyButton);
        },
        [&] {
            EXPECT_EQ(m_sheet.applied, 1);
            EXPECT_EQ(m_number.number, 3);
            EXPECT_FALSE(IsWindowEnabled(m_sheet.Button(ui::kApplyButton)));
            // A refused value: no transfer, and Apply stays on for another try.
            m_number.SetModified();
            SetNumber(L"0");
            Click(m_sheet.Handle(), ui::kApplyButton);
        },
        [&] {
            EXPECT_EQ(m_sheet.applied, 1);
            EXPECT_TRUE(IsWindowEnabled(m_sheet.Button(ui::kApplyButton)));
            EXPECT_TRUE(IsWindow(m_sheet.Handle()));
            Click(m_sheet.Handle(), IDCANCEL);
        },
    });
    EXPECT_EQ(m_sheet.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(m_number.number, 3);
    EXPECT_EQ(m_sheet.okAccepted, 0);
}

class WizardPage : public ui::PropertyPage {
public:
    WizardPage(UINT id, DWORD buttons) : ui::PropertyPage(id), m_buttons(buttons) {}
    int shown = 0;

protected:
    bool OnSetActive() override {
        ++shown;
        SetWizardButtons(m_buttons);
        return true;
    }

private:
    DWORD m_buttons;
};

TEST(PropertySheetTestWizard, NextBackAndFinishEndTheWizardAsFinished) {
    WizardPage first(IDD_ADD_PAGE1, PSWIZB_NEXT), second(IDD_ADD_PAGE2, PSWIZB_BACK | PSWIZB_FINISH);
    ui::PropertySheet wizard(L"ウィザード");
    wizard.SetWizardMode();
    wizard.AddPage(first);
    wizard.AddPage(second);
    auto enabled = [&](int id) { return IsWindowEnabled(GetDlgItem(wizard.Handle(), id)) != FALSE; };
    ModalScript script({
        [] {},  // the first page posts its buttons when shown, after this step was posted: they come first
        [&] {
            EXPECT_FALSE(enabled(ui::kBackButton));
            Click(wizard.Handle(), ui::kNextButton);
        },
        [&] {
            EXPECT_EQ(CurrentPage(wizard.Handle()), second.Handle());
            EXPECT_TRUE(enabled(ui::kBackButton));
            Click(wizard.Handle(), ui::kBackButton);
        },
        [&] {
            EXPECT_EQ(first.shown, 2);
            Click(wizard.Handle(), ui::kNextButton);
        },
        [&] { Click(wizard.Handle(), ui::kFinishButton); },
    });
    EXPECT_EQ(wizard.DoModal(nullptr), ui::kFinishButton);
    EXPECT_EQ(second.shown, 2);
}

}  // namespace
