#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "options/StartupEntry.h"

namespace {

constexpr wchar_t kProgram[] = L"C:\\Users\\me\\My Tools\\pokomi\\pokomi.exe";

TEST(StartupEntryTest, OnlyACommandNamingThisProgramFileStartsIt) {
    EXPECT_EQ(StartupCommand(kProgram), L"\"C:\\Users\\me\\My Tools\\pokomi\\pokomi.exe\"");
    const std::pair<std::wstring, bool> cases[] = {
        {StartupCommand(kProgram), true},
        {L"  \"c:\\users\\ME\\my tools\\POKOMI\\pokomi.EXE\" /min ", true},
        {L"C:\\Users\\me\\My Tools\\pokomi\\pokomi.exe", true},
        {L"\"C:\\Users\\me\\Desktop\\pokomi\\pokomi.exe\"", false},  // the folder was moved
        {L"\"C:\\Users\\me\\My Tools\\pokomi\\pokomi.exe.bak\"", false},
        {L"\"C:\\Users\\me\\My Tools\\pokomi\\pokomi", false},
        {L"\"\"", false},
        {L"", false},
    };
    for (const auto& [command, starts] : cases) {
        EXPECT_EQ(StartsProgram(command, kProgram), starts) << testing::PrintToString(command);
    }
}

}  // namespace
