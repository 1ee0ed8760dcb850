// The data folder as the clock holds it: what is read again, what is written, and
// which version wins when the user's edit meets a file changed outside.
#include <gtest/gtest.h>

#include <map>

#include "AlarmTestPrinters.h"
#include "TextCodecIconv.h"
#include "content/DataFolder.h"
#include "content/FolderKey.h"

namespace {

// Files in memory; each change of a file changes its stamp.
class FakeStore : public DataFileStore {
public:
    struct File {
        ReadStatus status = ReadStatus::Missing;
        std::string bytes;
        unsigned long long version = 0;
    };

    void Set(DataFile file, std::string bytes, ReadStatus status = ReadStatus::Read) {
        File& f = files[file];
        f = {status, std::move(bytes), f.version + 1};
    }
    StoredFile Read(DataFile file, bool atStart) override {
        ++reads;
        File& f = files[file];
        if (f.status == ReadStatus::Missing && atStart) Set(file, "");
        return {f.status, f.status == ReadStatus::Read ? f.bytes : "", Stamp(file)};
    }
    std::optional<FileStamp> Stamp(DataFile file) override {
        const File& f = files[file];
        if (f.status == ReadStatus::Missing) return std::nullopt;
        return FileStamp{f.bytes.size(), f.version, 0};
    }
    bool Replace(DataFile file, std::string_view bytes) override {
        if (writeFails) return false;
        written.push_back(file);
        Set(file, std::string(bytes));
        return true;
    }
    std::wstring WriteCopy(const std::wstring& stem, const std::wstring& extension, std::string_view bytes) override {
        if (copyFails) return {};
        copies[stem + extension] = std::string(bytes);
        return L"dat\\" + stem + extension;
    }
    std::wstring PathOf(DataFile file) const override { return DataFileName(file); }

    std::map<DataFile, File> files;
    std::map<std::wstring, std::string> copies;
    std::vector<DataFile> written;
    int reads = 0;
    bool writeFails = false;
    bool copyFails = false;
};

const std::string kMorning = "朝\r\nNULL\r\n[\r\n起きて\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n7:0\r\n";
const std::string kEvening = "夜\r\nNULL\r\n[\r\n寝て\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n22:0\r\n";

class DataFolderSyncTest : public testing::Test {
protected:
    DataFolderSyncTest() {
        store.Set(DataFile::Illust, "a\r\nb\r\n");
        store.Set(DataFile::Show, "0\r\n");
        store.Set(DataFile::Message, Cp932FromUtf8(kMorning));
    }
    AlarmList Alarms(const std::string& utf8) const {
        DataFolder parsed(other, codec);
        other.Set(DataFile::Message, Cp932FromUtf8(utf8));
        parsed.Load();
        return parsed.Alarms();
    }
    DataSave Save() {
        return data.Save([](DataFile file) { return OutsideChangeCopyName(file, 2026, 12, 7, 10, 31, 5); });
    }

    IconvCp932Codec codec;
    FakeStore store;
    mutable FakeStore other;
    DataFolder data{store, codec};
};

TEST_F(DataFolderSyncTest, LoadReadsAllFourCreatesTheMissingAndFitsTheFlags) {
    EXPECT_TRUE(data.Load().empty());
    EXPECT_EQ(store.files[DataFile::Sound].status, ReadStatus::Read);  // created empty
    EXPECT_EQ(data.ShownFlags(), (std::vector<int>{0, 1}));
    EXPECT_EQ(data.Alarms(), Alarms(kMorning));
    // Nothing changed on disk: a refresh reads nothing, and nothing is written.
    const int reads = store.reads;
    EXPECT_FALSE(data.Refresh().Any());
    EXPECT_EQ(store.reads, reads);
    EXPECT_TRUE(Save().failed.empty());
    EXPECT_TRUE(store.written.empty());
}

TEST_F(DataFolderSyncTest, ARefreshReadsWhatChangedAndNewNamesBringTheirFlags) {
    data.Load();
    store.Set(DataFile::Message, Cp932FromUtf8(kMorning + kEvening));
    DataRefresh refresh = data.Refresh();
    EXPECT_TRUE(refresh.alarms);
    EXPECT_FALSE(refresh.names || refresh.flags || refresh.sounds);
    EXPECT_EQ(data.Alarms(), Alarms(kMorning + kEvening));

    // Show.ini held a flag for a third name all along: new names read it again.
    store.Set(DataFile::Show, "0\r\n1\r\n0\r\n");
    data.Refresh();
    store.Set(DataFile::Illust, "a\r\nb\r\nc\r\n");
    refresh = data.Refresh();
    EXPECT_TRUE(refresh.names && refresh.flags);
    EXPECT_EQ(data.ShownFlags(), (std::vector<int>{0, 1, 0}));
}

TEST_F(DataFolderSyncTest, AnUnreadableFileIsToldOnceRefusesEditsAndIsReadOnceFree) {
    store.Set(DataFile::Message, Cp932FromUtf8(kMorning), ReadStatus::Unreadable);
    EXPECT_EQ(data.Load(), std::vector<DataFile>{DataFile::Message});
    EXPECT_FALSE(data.Known(DataFile::Message));
    EXPECT_FALSE(data.EditAlarms(data.Alarms(), Alarms(kEvening)));
    EXPECT_TRUE(data.Refresh().unreadable.empty());  // told at start already
    EXPECT_TRUE(Save().failed.empty());
    EXPECT_TRUE(store.written.empty());

    store.files[DataFile::Message].status = ReadStatus::Read;
    EXPECT_TRUE(data.Refresh().alarms);
    EXPECT_TRUE(data.Known(DataFile::Message));
    // Unreadable again later: told once, the list kept as last read.
    store.Set(DataFile::Sound, "[Boot]\r\n", ReadStatus::Unreadable);  // changed, then held
    EXPECT_EQ(data.Refresh().unreadable, std::vector<DataFile>{DataFile::Sound});
    EXPECT_TRUE(data.Refresh().unreadable.empty());
    EXPECT_EQ(data.Alarms(), Alarms(kMorning));

    // Names that cannot be read leave the flags unknown as well.
    DataFolder namesHeld(other, codec);
    other.Set(DataFile::Illust, "a\r\n", ReadStatus::Unreadable);
    namesHeld.Load();
    EXPECT_FALSE(namesHeld.Known(DataFile::Show));
    EXPECT_FALSE(namesHeld.EditShownFlags({}, {1}));
}

TEST(DataFolderSaveRuleTest, TheDiskDecidesWhatASaveDoes) {
    using V = std::vector<int>;
    struct Case {
        V disk;
        SaveAction action;
    };
    const V base{1}, edited{2};
    for (const Case& c :
         {Case{{2}, SaveAction::Nothing}, Case{{1}, SaveAction::Write}, Case{{3}, SaveAction::WriteKeepingDisk}})
        EXPECT_EQ(DecideSave(base, edited, c.disk), c.action) << c.disk[0];
}

TEST_F(DataFolderSyncTest, AnEditIsWrittenOnceAndAFileChangedOutsideIsKeptBesideIt) {
    data.Load();
    const AlarmList base = data.Alarms();
    EXPECT_FALSE(data.EditAlarms(base, base));  // handed back unchanged: no edit
    ASSERT_TRUE(data.EditAlarms(base, Alarms(kEvening)));
    EXPECT_TRUE(data.HasEdit(DataFile::Message));
    EXPECT_TRUE(Save().kept.empty());
    EXPECT_EQ(store.written, std::vector<DataFile>{DataFile::Message});
    EXPECT_EQ(store.files[DataFile::Message].bytes, Cp932FromUtf8(kEvening));
    EXPECT_FALSE(data.HasEdit(DataFile::Message));
    EXPECT_FALSE(data.Refresh().alarms);  // its own write is no change from outside

    // Someone else writes the file; the options then hand back an edit of the old list.
    const std::string outside = Cp932FromUtf8(kMorning);
    store.Set(DataFile::Message, outside);
    ASSERT_TRUE(data.EditAlarms(Alarms(kEvening), Alarms(kEvening + kMorning)));
    DataSave save = Save();
    ASSERT_EQ(save.kept.size(), 1u);
    EXPECT_EQ(save.kept[0].path, L"dat\\Message.外部の変更.20261207-103105.ini");
    EXPECT_EQ(store.copies[L"Message.外部の変更.20261207-103105.ini"], outside);
    EXPECT_EQ(store.files[DataFile::Message].bytes, Cp932FromUtf8(kEvening + kMorning));
}

TEST_F(DataFolderSyncTest, AnEditThatCannotBeSavedWaitsWithTheDiskUntouched) {
    data.Load();
    const AlarmList base = data.Alarms();
    data.EditAlarms(base, Alarms(kEvening));
    store.writeFails = true;
    EXPECT_EQ(Save().failed, std::vector<DataFile>{DataFile::Message});
    // A refresh leaves a waiting edit alone; a second edit on top keeps the first base.
    store.Set(DataFile::Message, Cp932FromUtf8(kMorning));
    EXPECT_FALSE(data.Refresh().alarms);
    data.EditAlarms(data.Alarms(), Alarms(kEvening + kEvening));
    store.writeFails = false;
    store.copyFails = true;  // the disk's version could not be kept aside: nothing is written
    store.Set(DataFile::Message, "outside");
    EXPECT_EQ(Save().failed, std::vector<DataFile>{DataFile::Message});
    EXPECT_EQ(store.files[DataFile::Message].bytes, "outside");
    store.copyFails = false;
    store.Set(DataFile::Message, Cp932FromUtf8(kMorning));  // as the edit found it
    EXPECT_TRUE(Save().kept.empty());
    EXPECT_EQ(store.files[DataFile::Message].bytes, Cp932FromUtf8(kEvening + kEvening));
}

TEST(FolderKeyTest, OneFolderHasOneSpelling) {
    const std::pair<const wchar_t*, const wchar_t*> same[] = {
        {L"C:\\ぽこみ\\", L"C:\\ぽこみ"},
        {L"C:/Tools//ぽこみ", L"C:\\Tools\\ぽこみ"},
        {L"\\\\?\\C:\\ぽこみ", L"C:\\ぽこみ"},
        {L"\\\\?\\UNC\\server\\share\\p", L"\\\\server\\share\\p"},
        {L"\\\\server\\\\share\\", L"\\\\server\\share"},
        {L"C:\\", L"C:\\"},
    };
    for (auto [spelt, comparable] : same) EXPECT_EQ(ComparablePath(spelt), comparable);
    EXPECT_EQ(FolderKey(L"C:\\A"), FolderKey(ComparablePath(L"C:\\A\\")));
    EXPECT_NE(FolderKey(L"C:\\A"), FolderKey(L"C:\\B"));
    EXPECT_EQ(FolderInstanceName(0x1234), L"Local\\pokomi-0000000000001234");
}

}  // namespace
