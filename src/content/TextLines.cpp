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

template <typename CharT>
std::vector<std::basic_string_view<CharT>> SplitFileLines(std::basic_string_view<CharT> content) {
    std::vector<std::basic_string_view<CharT>> lines;
    LineBreakFinder<CharT> breaks(content);
    std::size_t pos = 0;
    while (pos < content.size()) {
        const std::size_t end = breaks.Next(pos);
        lines.push_back(content.substr(pos, end - pos));
        pos = end < content.size() ? end + LineEndLength(content, end) : end;
    }
    return lines;
}

template std::vector<std::string_view> SplitFileLines(std::string_view);
template std::vector<std::wstring_view> SplitFileLines(std::wstring_view);

LineReader::LineReader(std::string_view bytes, const AnsiCodec& codec) : m_file(ReadTextFile(bytes, codec)) {}

std::optional<std::wstring> LineReader::Next() {
    if (m_next >= m_file.lines.size()) return std::nullopt;
    return std::move(m_file.lines[m_next++]);
}

std::vector<std::wstring> ReadAllLines(std::string_view bytes, const AnsiCodec& codec) {
    return ReadTextFile(bytes, codec).lines;
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
