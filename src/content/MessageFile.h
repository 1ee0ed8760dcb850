// The alarm list's file, Message.ini.
//
// Each record is the lines: Subject, Sound, "[", the message lines, "]",
// DateUnit, DateDetail, TimeUnit, TimeDetail.
#pragma once

#include <string>
#include <string_view>

#include "content/AlarmEntry.h"
#include "content/TextFile.h"

inline constexpr std::wstring_view kMessageOpen = L"[";
inline constexpr std::wstring_view kMessageClose = L"]";

// Records until the file ends. A third line other than "[" is dropped and
// leaves the message empty; a message line "]" ends the message. A message
// still open at the end of the file keeps the lines read and leaves the four
// schedule fields empty, so that record never fires. Fields missing at the
// end of the file are empty.
// The form the file was stored in goes to `format` when one is given.
AlarmList ReadAlarmList(std::string_view bytes, const AnsiCodec& codec, TextFormat* format = nullptr);

// An empty Sound is written as "NULL". The message is written one line per
// line of its text; a message line that is exactly "]" is written as "] " so
// that it cannot end the message early and shift the records after it.
std::string WriteAlarmList(const AlarmList& list, const AnsiCodec& codec, const TextFormat& format = {});
