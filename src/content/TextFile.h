// Whole data files as lines, and the form they were stored in, so that a file is
// written back as it came: a file nobody changed comes back byte for byte, apart
// from what its own format rules normalise (line ends become CR LF).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "content/TextCodec.h"

// Utf16Le and Utf16Be carry their byte-order mark; the NoBom forms are recognised by
// their bytes alone.
enum class TextEncoding { Ansi, Utf8, Utf8Bom, Utf16Le, Utf16Be, Utf16LeNoBom, Utf16BeNoBom };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Ansi;
    std::string tail;  // an odd byte after the last UTF-16 unit, written back after the lines

    friend bool operator==(const TextFormat&, const TextFormat&) = default;
};

struct TextFile {
    std::vector<std::wstring> lines;
    TextFormat format;
};

// Lines end at CR LF, a bare CR or a bare LF; a final line end starts no line. The
// encoding: UTF-16 (LE or BE) or UTF-8 after their byte-order marks. Without a mark,
// UTF-16 when the bytes hold NULs (8-bit text never does) and decode as valid UTF-16
// without NUL units in the byte order their line ends, else their NULs, point to;
// else code page 932 when every line decodes in it exactly, else UTF-8 when the bytes
// are valid UTF-8, else code page 932 with the bytes that decode in no way escaped.
TextFile ReadTextFile(std::string_view bytes, const AnsiCodec& codec);

// The lines in the given form, each ending with CR LF; a line break inside a line is
// written as one space. When the form cannot hold the lines (a character outside code
// page 932) or its bytes would not read back as the same lines, the file is written as
// UTF-8 after a byte-order mark instead, so nothing typed is lost. That file is valid
// UTF-8: escaped bytes and other lone surrogates, which it cannot hold, become U+FFFD.
std::string EncodeTextFile(const std::vector<std::wstring>& lines, const AnsiCodec& codec,
                           const TextFormat& format = {});
