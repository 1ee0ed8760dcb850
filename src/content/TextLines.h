// Lines of the data files.
//
// A line ends at CR LF, at a bare LF or at a bare CR (files from tools that
// end lines with CR alone read line by line instead of as one long line). A
// final line end does not start another line; a file without line ends is one
// line; an empty file has no lines. Lines of code page 932 and UTF-8 are split
// on the bytes, before decoding: CR and LF never occur inside a multi-byte
// character there.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/TextFile.h"

// Finds line breaks (CR or LF) from left to right in linear time overall.
template <typename CharT>
class LineBreakFinder {
public:
    explicit LineBreakFinder(std::basic_string_view<CharT> text);

    // The first CR or LF at or after pos (pos never decreasing from call to
    // call), or the size of the text when there is none.
    std::size_t Next(std::size_t pos);

private:
    std::size_t Find(CharT c, std::size_t pos) const;

    std::basic_string_view<CharT> m_text;
    std::size_t m_nextCr;
    std::size_t m_nextLf;
};

// The lines of a file's content, by the rules above, as views into it.
template <typename CharT>
std::vector<std::basic_string_view<CharT>> SplitFileLines(std::basic_string_view<CharT> content);

// The lines of a data file one after another.
class LineReader {
public:
    LineReader(std::string_view bytes, const AnsiCodec& codec);

    // The next line without its line end; nullopt once the lines are used up.
    std::optional<std::wstring> Next();
    // The form the file was stored in, for writing it back.
    const TextFormat& Format() const { return m_file.format; }

private:
    TextFile m_file;
    std::size_t m_next = 0;
};

// Every line of the bytes.
std::vector<std::wstring> ReadAllLines(std::string_view bytes, const AnsiCodec& codec);

// A text cut at every CR LF, bare CR and bare LF. Unlike a file, a text with
// n line breaks always gives n + 1 lines: "" gives one empty line and "a\r\n"
// gives "a" and "".
std::vector<std::wstring> SplitTextLines(std::wstring_view text);
