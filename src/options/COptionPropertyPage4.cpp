#include "options/COptionPropertyPage4.h"

#include "resource.h"
#include "ui/Resources.h"

namespace {

// Images of the clock's image list.
constexpr int kEventImage = 0;  // a small window
constexpr int kFileImage = 1;   // a loudspeaker

std::size_t SiblingIndex(HWND tree, HTREEITEM item) {
    std::size_t index = 0;
    while ((item = TreeView_GetPrevSibling(tree, item)) != nullptr) ++index;
    return index;
}

HTREEITEM NthSibling(HWND tree, HTREEITEM first, std::size_t n) {
    for (; first && n > 0; --n) first = TreeView_GetNextSibling(tree, first);
    return first;
}

}  // namespace

COptionPropertyPage4::COptionPropertyPage4() : COptionPage(IDD_OPTION_SOUND) {}

void COptionPropertyPage4::Load(const OptionValues& values) {
    m_sounds = SoundTree(values.sounds);
    m_unreadableFile = values.unreadableSoundsFile;
}

void COptionPropertyPage4::Store(OptionValues& values) const { values.sounds = m_sounds.Table(); }

BOOL COptionPropertyPage4::OnInitDialog() {
    m_playIcon = ui::LoadIconResource(IDI_PLAY, 16);
    m_stopIcon = ui::LoadIconResource(IDI_STOP, 16);
    Child(IDC_SOUND_PLAY).Send(BM_SETIMAGE, IMAGE_ICON, m_playIcon.Get());
    Child(IDC_SOUND_STOP).Send(BM_SETIMAGE, IMAGE_ICON, m_stopIcon.Get());
    TreeView_SetImageList(Tree(), Host().AlarmImages(), TVSIL_NORMAL);  // lent: the tree never destroys it
    m_testing = false;
    if (m_unreadableFile.empty()) FillTree();
    COptionPage::OnInitDialog();
    if (!m_unreadableFile.empty())
        ShowUnreadableInstead(m_unreadableFile, IDC_SOUND_TREE,
                              {IDC_SOUND_ADD, IDC_SOUND_CLEAR, IDC_SOUND_PLAY, IDC_SOUND_STOP});
    return TRUE;
}

// Each event with its files, expanded, and the first event selected.
void COptionPropertyPage4::FillTree() {
    for (std::size_t e = 0; e < kSoundEventCount; ++e) {
        HTREEITEM event = Insert(TVI_ROOT, TVI_LAST, kSoundTreeEvents[e].title, kEventImage);
        for (const std::wstring& path : m_sounds.Files(e)) Insert(event, TVI_LAST, path, kFileImage);
        TreeView_Expand(Tree(), event, TVE_EXPAND);
    }
    TreeView_SelectItem(Tree(), TreeView_GetRoot(Tree()));
    OnSelectionChanged();
}

bool COptionPropertyPage4::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_SOUND_ADD: OnAdd(); return true;
    case IDC_SOUND_CLEAR: OnClear(); return true;
    case IDC_SOUND_PLAY: OnPlay(); return true;
    case IDC_SOUND_STOP: OnStop(); return true;
    default: return false;
    }
}

bool COptionPropertyPage4::OnNotify(NMHDR& header, LRESULT& result) {
    // The tree speaks ANSI or Unicode as its parent asks; the code is all that is read.
    if (header.idFrom == IDC_SOUND_TREE && (header.code == TVN_SELCHANGEDW || header.code == TVN_SELCHANGEDA)) {
        OnSelectionChanged();
        result = 0;
        return true;
    }
    return COptionPage::OnNotify(header, result);
}

bool COptionPropertyPage4::OnTimer(UINT_PTR id) {
    if (id != kPollTimer) return COptionPage::OnTimer(id);
    // The sound ended by itself, or never started.
    if (!Host().Player().SoundPlaying()) OnStop();
    return true;
}

// A test still sounding belongs to the page: it ends with it.
void COptionPropertyPage4::OnDestroy() {
    if (m_testing) {
        KillTimer(m_hwnd, kPollTimer);
        m_testing = false;
        if (Host().Player().SoundPlaying()) Host().Player().StopEventSound();
    }
    COptionPage::OnDestroy();
}

void COptionPropertyPage4::OnAdd() {
    const std::optional<std::wstring> chosen = Host().Env().openWaveFile(m_hwnd, L"追加");
    if (!chosen || chosen->empty()) return;
    SetModified();
    const SoundTreeItem added =
        m_sounds.Add(Selected().value_or(SoundTreeItem{}), StoredSoundPath(Host().Env().programFolder, *chosen));
    HTREEITEM event = ItemAt({added.event, {}});
    HTREEITEM after = *added.file == 0 ? TVI_FIRST : ItemAt({added.event, *added.file - 1});
    HTREEITEM item = Insert(event, after, m_sounds.Text(added), kFileImage);
    TreeView_Expand(Tree(), event, TVE_EXPAND);
    TreeView_SelectItem(Tree(), item);
    TreeView_EnsureVisible(Tree(), item);
}

void COptionPropertyPage4::OnClear() {
    const std::optional<SoundTreeItem> selected = Selected();
    HTREEITEM item = TreeView_GetSelection(Tree());
    if (!selected || !m_sounds.Clear(*selected)) return;
    TreeView_DeleteItem(Tree(), item);  // the tree selects another item
    SetModified();
    OnSelectionChanged();  // also when it selected none
}

void COptionPropertyPage4::OnPlay() {
    const std::optional<SoundTreeItem> selected = Selected();
    if (!selected || !selected->file) return;
    // Dropped while another sound plays; stop then ends that one.
    Host().Player().PlaySoundFile(m_sounds.Text(*selected));
    m_testing = true;
    ShowButtons(TestingButtons(true));
    SetTimer(m_hwnd, kPollTimer, kPollPeriod, nullptr);
}

void COptionPropertyPage4::OnStop() {
    Host().Player().StopEventSound();
    EndTest();
}

void COptionPropertyPage4::EndTest() {
    KillTimer(m_hwnd, kPollTimer);
    m_testing = false;
    ShowButtons(IdleButtons(FileSelected()));
}

void COptionPropertyPage4::OnSelectionChanged() {
    ShowButtons(ButtonsForSelection(Buttons(), FileSelected(), Host().Player().SoundPlaying()));
}

HWND COptionPropertyPage4::Tree() const { return Item(IDC_SOUND_TREE); }

// An item is told by its place: a top-level item is an event, a child one of its files.
std::optional<SoundTreeItem> COptionPropertyPage4::Selected() const {
    HTREEITEM item = TreeView_GetSelection(Tree());
    if (!item) return std::nullopt;
    HTREEITEM parent = TreeView_GetParent(Tree(), item);
    if (!parent) return SoundTreeItem{SiblingIndex(Tree(), item), std::nullopt};
    return SoundTreeItem{SiblingIndex(Tree(), parent), SiblingIndex(Tree(), item)};
}

bool COptionPropertyPage4::FileSelected() const {
    const std::optional<SoundTreeItem> selected = Selected();
    return selected && selected->file;
}

HTREEITEM COptionPropertyPage4::ItemAt(const SoundTreeItem& item) const {
    HTREEITEM event = NthSibling(Tree(), TreeView_GetRoot(Tree()), item.event);
    if (!event || !item.file) return event;
    return NthSibling(Tree(), TreeView_GetChild(Tree(), event), *item.file);
}

HTREEITEM COptionPropertyPage4::Insert(HTREEITEM parent, HTREEITEM after, const std::wstring& text, int image) const {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    return TreeView_InsertItem(Tree(), &insert);
}

SoundButtons COptionPropertyPage4::Buttons() const {
    auto on = [this](int id) { return Child(id).IsEnabled(); };
    return {on(IDC_SOUND_CLEAR), on(IDC_SOUND_PLAY), on(IDC_SOUND_STOP)};
}

// A button that loses its turn while it has the focus hands it on: play to stop and
// back, anything else to the tree, so the keyboard keeps working.
void COptionPropertyPage4::ShowButtons(const SoundButtons& buttons) const {
    Child(IDC_SOUND_CLEAR).Enable(buttons.clear);
    Child(IDC_SOUND_PLAY).Enable(buttons.play);
    Child(IDC_SOUND_STOP).Enable(buttons.stop);
    HWND focus = GetFocus();
    if (!focus || IsWindowEnabled(focus) || GetParent(focus) != m_hwnd) return;
    HWND next = buttons.stop ? Item(IDC_SOUND_STOP) : buttons.play ? Item(IDC_SOUND_PLAY) : Tree();
    GoToControl(next);
}
