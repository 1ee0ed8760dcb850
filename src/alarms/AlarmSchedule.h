// The display text of an alarm's schedule ("表示日時").
#pragma once

#include <string>

#include "content/AlarmEntry.h"

// For example 毎週月曜日7時30分, 12月24日18時5分, 毎月15日毎時0分, 毎時30分.
std::wstring FormatSchedule(const AlarmEntry& entry);
