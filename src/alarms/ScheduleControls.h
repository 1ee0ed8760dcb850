// The controls of a number box on both schedule pages, in the order of kScheduleBoxes.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "alarms/ScheduleEditor.h"
#include "resource.h"

struct ScheduleBoxControls {
    int Edit;
    int Spin;
    int Label;
};

inline constexpr std::array<ScheduleBoxControls, kScheduleBoxes.size()> kScheduleBoxControls = {{
    {IDC_DATE_FIRST, IDC_DATE_FIRST_SPIN, IDC_DATE_FIRST_LABEL},
    {IDC_DATE_SECOND, IDC_DATE_SECOND_SPIN, IDC_DATE_SECOND_LABEL},
    {IDC_TIME_FIRST, IDC_TIME_FIRST_SPIN, IDC_TIME_FIRST_LABEL},
    {IDC_TIME_SECOND, IDC_TIME_SECOND_SPIN, IDC_TIME_SECOND_LABEL},
}};

inline constexpr const ScheduleBoxControls& ControlsOf(ScheduleBox box) {
    return kScheduleBoxControls[static_cast<std::size_t>(box)];
}

// The box whose edit control has this ID.
inline constexpr std::optional<ScheduleBox> ScheduleBoxOfEdit(int controlId) {
    for (ScheduleBox box : kScheduleBoxes) {
        if (ControlsOf(box).Edit == controlId) {
            return box;
        }
    }
    return std::nullopt;
}

static_assert(ScheduleBoxOfEdit(IDC_DATE_FIRST) == ScheduleBox::DateFirst &&
              ScheduleBoxOfEdit(IDC_TIME_SECOND) == ScheduleBox::TimeSecond && !ScheduleBoxOfEdit(IDC_WEEKDAY));
