// Whole-file reads and atomic replacement of files.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// Reads a file, creating it empty when it is missing (and the folder allows it).
// nullopt when it can neither be read nor created.
std::optional<std::string> ReadOrCreateFile(const std::wstring& path);

// Replaces a file in one step: the bytes go to a temporary file in the same
// folder, which then takes the file's place. false leaves the old file as it was.
bool ReplaceFileAtomically(const std::wstring& path, std::string_view bytes);

}  // namespace ui
