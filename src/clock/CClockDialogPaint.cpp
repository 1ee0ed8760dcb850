// Painting the clock window: the face painter draws, the dialog keeps it off its controls.
#include "clock/CClockDialog.h"

#include "ui/Text.h"

// The dialog does not clip its children: the face is kept off the caption controls
// that show, so they keep their own pixels and need no repainting after it.
void CClockDialog::ExcludeCaptionControls(HDC dc) const {
    for (HWND control :
         {m_minimizeButton.Handle(), m_topMostButton.Handle(), m_closeButton.Handle(), m_label.Handle()}) {
        if (!control || !IsWindowVisible(control)) continue;
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

bool CClockDialog::OnPaint() {
    ui::gdi::PaintDC paint(m_hwnd);
    ExcludeCaptionControls(paint.Get());
    PaintFace(paint.Get());
    return true;
}

FaceScene CClockDialog::Scene() const {
    return {m_dataStore.PathIn(ui::Format(L"bitmap%d.bmp", m_illustrationIndex)), m_env.now(), m_lastHour, m_lastMinute,
            m_lastSecond};
}

void CClockDialog::PaintFace(HDC dc) const { m_painter.Paint(dc, Scene()); }

void CClockDialog::StepSecondHand(HDC dc, int oldSecond, int newSecond) const {
    m_painter.StepSecondHand(dc, oldSecond, newSecond);
}
