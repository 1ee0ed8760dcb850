#include "options/SoundTree.h"

#include <algorithm>
#include <string_view>

const std::array<SoundTreeEvent, kSoundEventCount> kSoundTreeEvents = {{
    {SoundEvent::Boot, L"ぽこみの起動"},
    {SoundEvent::Exit, L"ぽこみの終了"},
    {SoundEvent::Minimize, L"最小化"},
    {SoundEvent::Restore, L"元のサイズに戻す"},
    {SoundEvent::Update, L"絵柄の更新"},
    {SoundEvent::Alarm, L"標準のアラーム"},
    {SoundEvent::Time, L"時報"},
    {SoundEvent::Away, L"マウスから逃げる"},
    {SoundEvent::Return, L"ホーム位置に戻る"},
}};

namespace {

wchar_t FoldCase(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool IsSlash(wchar_t c) { return c == L'\\' || c == L'/'; }

bool SamePathChar(wchar_t a, wchar_t b) { return FoldCase(a) == FoldCase(b) || (IsSlash(a) && IsSlash(b)); }

// A relative path the player would take from the program folder as the same file.
bool IsPlainRelative(const std::wstring& path) {
    if (path.empty() || IsSlash(path[0]) || path.find(L':') != std::wstring::npos) return false;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of(L"\\/", start);
        if (end == std::wstring::npos) end = path.size();
        std::wstring_view part(path.data() + start, end - start);
        if (part.empty() || part == L"." || part == L"..") return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

bool SoundFileSortsBefore(const std::wstring& a, const std::wstring& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) { return FoldCase(x) < FoldCase(y); });
}

SoundTree::SoundTree(SoundTable table) : m_table(std::move(table)) {
    for (std::size_t i = 0; i < kSoundEventCount; ++i) {
        m_shown[i] = m_table.List(kSoundTreeEvents[i].event);
        std::stable_sort(m_shown[i].begin(), m_shown[i].end(), SoundFileSortsBefore);
    }
}

bool SoundTree::Exists(const SoundTreeItem& item) const {
    return item.event < kSoundEventCount && (!item.file || *item.file < m_shown[item.event].size());
}

std::wstring SoundTree::Text(const SoundTreeItem& item) const {
    if (!Exists(item)) return {};
    return item.file ? m_shown[item.event][*item.file] : kSoundTreeEvents[item.event].title;
}

SoundTreeItem SoundTree::Add(const SoundTreeItem& selected, const std::wstring& path) {
    const std::size_t event = std::min(selected.event, kSoundEventCount - 1);
    m_table.List(kSoundTreeEvents[event].event).push_back(path);
    std::vector<std::wstring>& shown = m_shown[event];
    auto at = std::upper_bound(shown.begin(), shown.end(), path, SoundFileSortsBefore);
    const auto position = static_cast<std::size_t>(at - shown.begin());
    shown.insert(at, path);
    return {event, position};
}

bool SoundTree::Clear(const SoundTreeItem& item) {
    if (!item.file || !Exists(item)) return false;
    std::vector<std::wstring>& shown = m_shown[item.event];
    const auto at = shown.begin() + static_cast<std::ptrdiff_t>(*item.file);
    std::vector<std::wstring>& list = m_table.List(kSoundTreeEvents[item.event].event);
    if (auto entry = std::find(list.begin(), list.end(), *at); entry != list.end()) list.erase(entry);
    shown.erase(at);
    return true;
}

SoundButtons ButtonsForSelection(const SoundButtons& current, bool fileSelected, bool playing) {
    SoundButtons next = playing ? current : IdleButtons(fileSelected);
    next.clear = fileSelected;
    return next;
}

SoundButtons TestingButtons(bool fileSelected) { return {fileSelected, false, true}; }

SoundButtons IdleButtons(bool fileSelected) { return {fileSelected, fileSelected, false}; }

std::wstring StoredSoundPath(const std::wstring& programFolder, const std::wstring& chosen) {
    if (programFolder.empty() || !IsSlash(programFolder.back()) || chosen.size() <= programFolder.size()) return chosen;
    if (!std::equal(programFolder.begin(), programFolder.end(), chosen.begin(), SamePathChar)) return chosen;
    std::wstring rest = chosen.substr(programFolder.size());
    return IsPlainRelative(rest) ? rest : chosen;
}
