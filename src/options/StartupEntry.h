// The entry of the current user's Run key that starts the program with Windows: its
// name, the command it holds, and whether a command found there starts this program.
#pragma once

#include <string>
#include <string_view>

inline constexpr wchar_t kStartupValueName[] = L"pokomi";

// The program file in quotes, so that a path with blanks stays one path.
std::wstring StartupCommand(std::wstring_view programFile);

// Whether the command (quoted or not, arguments after a quoted path allowed) starts this
// program file; paths compare without regard to the case of Latin letters. A command
// left by a copy of the program in another folder starts another program.
bool StartsProgram(std::wstring_view command, std::wstring_view programFile);
