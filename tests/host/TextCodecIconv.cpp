#include "TextCodecIconv.h"

#include <cerrno>
#include <stdexcept>

namespace {

iconv_t OpenOrThrow(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv_open failed: ") + from + " -> " + to);
    }
    return cd;
}

}  // namespace

IconvCp932Codec::IconvCp932Codec()
    : m_toWide(OpenOrThrow("WCHAR_T", "CP932")), m_toAnsi(OpenOrThrow("CP932", "WCHAR_T")) {}

IconvCp932Codec::~IconvCp932Codec() {
    iconv_close(m_toWide);
    iconv_close(m_toAnsi);
}

std::wstring IconvCp932Codec::Decode(std::string_view bytes) const {
    // Code page 932 never gives more characters than bytes.
    std::wstring out(bytes.size(), L'\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * sizeof(wchar_t);
    iconv(m_toWide, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (iconv(m_toWide, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            throw std::runtime_error("iconv decode failed");
        }
        const wchar_t replacement = static_cast<wchar_t>(kReplacementChar);
        *reinterpret_cast<wchar_t*>(outPtr) = replacement;
        outPtr += sizeof(wchar_t);
        outLeft -= sizeof(wchar_t);
        ++in;
        --inLeft;
        iconv(m_toWide, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(out.size() - outLeft / sizeof(wchar_t));
    return out;
}

std::optional<std::string> IconvCp932Codec::Encode(std::wstring_view text) const {
    std::string out(text.size() * 2 + 4, '\0');
    char* in = reinterpret_cast<char*>(const_cast<wchar_t*>(text.data()));
    std::size_t inLeft = text.size() * sizeof(wchar_t);
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    iconv(m_toAnsi, nullptr, nullptr, nullptr, nullptr);
    if (iconv(m_toAnsi, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    if (iconv(m_toAnsi, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::string Cp932FromUtf8(std::string_view utf8) {
    iconv_t cd = OpenOrThrow("CP932", "UTF-8");
    std::string out(utf8.size() + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("text does not fit code page 932");
    }
    out.resize(out.size() - outLeft);
    return out;
}
