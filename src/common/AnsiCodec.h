// The data files' code page (932) as the program converts it. The file readers and writers
// see only this interface, so they need no platform header and tests can bring their own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class AnsiCodec {
public:
    virtual ~AnsiCodec() = default;

    // Bytes of one line (no CR or LF among them), never empty. Never fails: a byte
    // sequence that is not valid becomes some stand-in character; callers that must
    // keep the bytes check by encoding the text back.
    virtual std::wstring Decode(std::string_view bytes) const = 0;

    // Text that is never empty; nullopt when any character has no exact mapping.
    virtual std::optional<std::string> Encode(std::wstring_view text) const = 0;
};
