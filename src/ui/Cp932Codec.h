// The data files' code page, converted by the system.
#pragma once
#include "common/AnsiCodec.h"

namespace ui {

class Cp932Codec : public AnsiCodec {
public:
    std::wstring Decode(std::string_view bytes) const override;
    std::optional<std::string> Encode(std::wstring_view text) const override;
};

}  // namespace ui
