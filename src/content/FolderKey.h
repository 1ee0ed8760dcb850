// One clock per program folder: the folder's path made comparable as Windows compares
// paths, and a key of it short enough to name a kernel object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A full path in one spelling: without a "\\?\" prefix, with backslashes only, no
// doubled separators (but the two that start a network path) and no separator at
// the end (but after a drive's root). Case is left to the caller, which maps it to
// upper case as the file system compares names.
std::wstring ComparablePath(std::wstring_view fullPath);

// The key of a comparable, upper-cased path (64-bit FNV-1a of its UTF-16 units).
std::uint64_t FolderKey(std::wstring_view comparableUpperPath);

// The name of the object that one clock of the folder holds: "Local\pokomi-" and the key in hex.
std::wstring FolderInstanceName(std::uint64_t key);
