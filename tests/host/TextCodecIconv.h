// Code page 932 for the host tests and the fuzz target, over glibc's iconv.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

#include "content/TextCodec.h"

class IconvCp932Codec final : public AnsiCodec {
public:
    IconvCp932Codec();
    ~IconvCp932Codec() override;
    IconvCp932Codec(const IconvCp932Codec&) = delete;
    IconvCp932Codec& operator=(const IconvCp932Codec&) = delete;

    std::wstring Decode(std::string_view bytes) const override;
    std::optional<std::string> Encode(std::wstring_view text) const override;

private:
    iconv_t m_toWide;
    iconv_t m_toAnsi;
};

// Conversions for building test data the way another tool would write it.
std::string Cp932FromUtf8(std::string_view utf8);
