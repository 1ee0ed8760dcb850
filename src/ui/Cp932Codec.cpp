#include "ui/Cp932Codec.h"

#include "ui/Text.h"

namespace ui {

std::wstring Cp932Codec::Decode(std::string_view bytes) const { return Widen(bytes, kJapaneseCodePage); }

std::optional<std::string> Cp932Codec::Encode(std::wstring_view text) const {
    return NarrowExact(text, kJapaneseCodePage);
}

}  // namespace ui
