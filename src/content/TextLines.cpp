#include "content/TextLines.h"

#include <algorithm>

namespace {

// Length of the line end starting at text[pos] (CR LF counts as one).
template <typename CharT>
std::size_t LineEndLength(std::basic_string_view<CharT> text, std::size_t pos) {
    if (text[pos] == CharT('\r') && pos + 1 < text.size() && text[pos + 1] == CharT('\n')) {
        return 2;
    }
    return 1;
}

std::size_t SkipByteOrderMark(std::string_view bytes) { return bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0; }

}  // namespace

template <typename CharT>
LineBreakFinder<CharT>::LineBreakFinder(std::basic_string_view<CharT> text)
    : m_text(text), m_nextCr(Find(CharT('\r'), 0)), m_nextLf(Find(CharT('\n'), 0)) {}

template <typename CharT>
std::size_t LineBreakFinder<CharT>::Next(std::size_t pos) {
    if (m_nextCr < pos) {
        m_nextCr = Find(CharT('\r'), pos);
    }
    if (m_nextLf < pos) {
        m_nextLf = Find(CharT('\n'), pos);
    }
    return std::min(m_nextCr, m_nextLf);
}

// Through char_traits, which is memchr / wmemchr: fast even in debug builds.
template <typename CharT>
std::size_t LineBreakFinder<CharT>::Find(CharT c, std::size_t pos) const {
    if (pos >= m_text.size()) {
        return m_text.size();
    }
    const CharT* found = std::char_traits<CharT>::find(m_text.data() + pos, m_text.size() - pos, c);
    return found ? static_cast<std::size_t>(found - m_text.data()) : m_text.size();
}

template class LineBreakFinder<char>;
template class LineBreakFinder<wchar_t>;

LineReader::LineReader(std::string_view bytes, const AnsiCodec& codec)
    : m_bytes(bytes), m_pos(SkipByteOrderMark(bytes)), m_breaks(bytes), m_codec(&codec), m_utf8(m_pos != 0) {}

std::optional<std::wstring> LineReader::Next() {
    if (m_pos >= m_bytes.size()) {
        return std::nullopt;
    }
    const std::size_t end = m_breaks.Next(m_pos);
    const std::string_view line = m_bytes.substr(m_pos, end - m_pos);
    m_pos = end < m_bytes.size() ? end + LineEndLength(m_bytes, end) : end;
    if (line.empty()) {
        return std::wstring();
    }
    return m_utf8 ? Utf8ToWide(line) : m_codec->Decode(line);
}

std::vector<std::wstring> ReadAllLines(std::string_view bytes, const AnsiCodec& codec) {
    std::vector<std::wstring> lines;
    LineReader reader(bytes, codec);
    while (std::optional<std::wstring> line = reader.Next()) {
        lines.push_back(std::move(*line));
    }
    return lines;
}

std::vector<std::wstring> SplitTextLines(std::wstring_view text) {
    std::vector<std::wstring> lines;
    LineBreakFinder<wchar_t> breaks(text);
    std::size_t start = 0;
    for (std::size_t end = breaks.Next(0); end < text.size(); end = breaks.Next(start)) {
        lines.emplace_back(text.substr(start, end - start));
        start = end + LineEndLength(text, end);
    }
    lines.emplace_back(text.substr(start));
    return lines;
}
