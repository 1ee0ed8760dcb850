// Messages between the colour popup, the colour picker and the picker's parent.
// All are sent, never posted. From the popup to the picker lParam is 0; from the
// picker to its parent lParam is the picker's control ID.
#pragma once

inline constexpr unsigned kUserMessageBase = 0x0400;

// wParam: the highlighted colour (the automatic colour for the automatic box,
// the colour the popup opened with for the more-colours box).
inline constexpr unsigned kColourHighlightedMessage = kUserMessageBase + 1001;
// To the parent only; wParam: the picker's colour.
inline constexpr unsigned kColourPopupOpenedMessage = kUserMessageBase + 1002;
// To the parent only, before the chosen or cancelled message; wParam: the colour.
inline constexpr unsigned kColourPopupClosedMessage = kUserMessageBase + 1003;
// wParam: the chosen colour.
inline constexpr unsigned kColourChosenMessage = kUserMessageBase + 1004;
// wParam: the colour the popup opened with.
inline constexpr unsigned kColourCancelledMessage = kUserMessageBase + 1005;
