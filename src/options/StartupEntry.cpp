#include "options/StartupEntry.h"

#include <algorithm>

namespace {

wchar_t FoldLatin(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

std::wstring_view Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// The program part of a command: the quoted path, or the whole text when it has no quotes.
std::wstring_view ProgramOf(std::wstring_view command) {
    command = Trimmed(command);
    if (command.empty() || command.front() != L'"') {
        return command;
    }
    const auto close = command.find(L'"', 1);
    return close == std::wstring_view::npos ? command.substr(1) : command.substr(1, close - 1);
}

}  // namespace

std::wstring StartupCommand(std::wstring_view programFile) {
    std::wstring command = L"\"";
    command.append(programFile).append(L"\"");
    return command;
}

bool StartsProgram(std::wstring_view command, std::wstring_view programFile) {
    const std::wstring_view program = ProgramOf(command);
    return !program.empty() && std::equal(program.begin(), program.end(), programFile.begin(), programFile.end(),
                                          [](wchar_t a, wchar_t b) { return FoldLatin(a) == FoldLatin(b); });
}
