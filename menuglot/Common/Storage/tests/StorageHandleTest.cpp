#include <gtest/gtest.h>

#include <filesystem>

#include "IniPath.h"
#include "IniTestFile.h"
#include "Storage.h"
#include "TestFolders.h"

namespace {

TEST(StorageHandle, ReadsKeysAndStringsOfAnOpenSectionAndSharesItBetweenCopies) {
    const IniTestFile file("[S]\nfirst=\"one\"\nsecond=two\\\\bin\n");
    StorageHandle copy;
    {
        StorageHandle handle(L"S", file.path().c_str());
        ASSERT_TRUE(handle.isOpen());
        copy = handle;
    }
    storage::NameList keys;
    ASSERT_TRUE(copy.getKeyNames(keys));
    EXPECT_EQ(keys, (storage::NameList{L"first", L"second"}));
    std::wstring value;
    ASSERT_TRUE(copy.getString(L"second", value));
    EXPECT_EQ(value, L"two\\bin");
    ASSERT_TRUE(copy.getString(L"first", value));
    EXPECT_EQ(value, L"one");
}

// A store that counts how often it is destroyed.
class CountingStore : public storage::IniFileStorage {
public:
    explicit CountingStore(int& destroyed) : m_destroyed(destroyed) {}
    ~CountingStore() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

TEST(StorageHandle, TheStoreIsDestroyedExactlyOnceWhenItsLastHandleGoes) {
    int destroyed = 0;
    int replacedDestroyed = 0;
    {
        StorageHandle first;
        first.attach(std::make_unique<CountingStore>(destroyed));
        {
            StorageHandle second(first);
            StorageHandle third;
            third = second;
            const StorageHandle& same = third;
            third = same;
            EXPECT_FALSE(third.isEmpty()) << "self-assignment keeps the store";
        }
        EXPECT_EQ(0, destroyed) << "a copy going leaves the store to the others";
        const StorageHandle& same = first;
        first = same;
        EXPECT_FALSE(first.isEmpty());
        EXPECT_EQ(0, destroyed);

        // Assigning over a store's last handle destroys that store, and only it.
        StorageHandle other;
        other.attach(std::make_unique<CountingStore>(replacedDestroyed));
        other = first;
        EXPECT_EQ(1, replacedDestroyed);
        EXPECT_EQ(0, destroyed);
    }
    EXPECT_EQ(1, destroyed);
    EXPECT_EQ(1, replacedDestroyed);
}

TEST(StorageHandle, FailedReadsGiveFalseInModeOneAndThrowInModeTwo) {
    const IniTestFile file("[S]\nk=v\n");
    StorageHandle missingSection(L"Other", file.path().c_str());
    EXPECT_TRUE(missingSection.isEmpty());
    std::wstring value = L"untouched";
    EXPECT_FALSE(missingSection.getString(L"k", value));
    EXPECT_EQ(value, L"untouched");
    storage::NameList keys;
    EXPECT_FALSE(missingSection.getKeyNames(keys));

    StorageHandle handle(L"S", file.path().c_str());
    handle.setErrorMode(StorageHandle::kReportByException);
    try {
        handle.getString(L"absent", value);
        FAIL() << "no exception";
    } catch (const storage::StorageException& error) {
        const std::wstring message = error.getMessage();
        EXPECT_EQ(message.rfind(L"Common\\Storage\\Storage.h(", 0), 0u) << message;
        EXPECT_TRUE(message.ends_with(L") : StorageException : Read\n")) << message;
    }
    missingSection.setErrorMode(StorageHandle::kReportByException);
    EXPECT_THROW(missingSection.getKeyNames(keys), storage::StorageException);
}

TEST(StorageHandle, AttachReplacesTheStorageAndAClosedStorageIsNotRead) {
    const IniTestFile file("[S]\nk=first\n[T]\nk=second\n");
    StorageHandle handle(L"S", file.path().c_str());
    auto other = std::make_unique<storage::IniFileStorage>();
    ASSERT_TRUE(other->open(L"T", file.path().c_str()));
    handle.attach(std::move(other));
    std::wstring value;
    ASSERT_TRUE(handle.getString(L"k", value));
    EXPECT_EQ(value, L"second");
    handle.attach(std::make_unique<storage::IniFileStorage>());
    EXPECT_FALSE(handle.getString(L"k", value));
}

TEST(StorageHandle, RelativeFileNamesAreResolvedBesideTheProgramNeverInTheCurrentFolder) {
    const std::wstring name = L"menuglot-relative-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    const auto besideProgram = testProgramFolder() / name;
    testsupport::WriteTextFile(besideProgram, "[S]\nwhere=beside the program\n");
    testsupport::ScratchFolder current;
    testsupport::WriteTextFile(current / name, "[S]\nwhere=current folder\n[OnlyHere]\nk=1\n");
    std::wstring value;
    {
        const CurrentFolder inScratch(current.Path());
        StorageHandle handle(L"S", name.c_str());
        ASSERT_TRUE(handle.getString(L"where", value));
        EXPECT_FALSE(StorageHandle(L"OnlyHere", name.c_str()).isOpen());
    }
    std::filesystem::remove(besideProgram);
    EXPECT_EQ(value, L"beside the program");
}

TEST(StorageHandle, DriveAndUncPathsStayAsTheyAreAndEveryOtherFormGoesBesideTheProgram) {
    const std::wstring beside = testProgramFolder().wstring() + L"\\";
    // Appending would also fold the ".." parts away.
    const struct {
        const wchar_t* path;
        std::wstring resolved;
    } cases[] = {
        {L"C:\\dir\\..\\a.ini", L"C:\\dir\\..\\a.ini"},
        {L"C:dir\\..\\a.ini", L"C:dir\\..\\a.ini"},  // drive-relative
        {L"c:", L"c:"},
        {L"\\\\server\\share\\dir\\..\\a.ini", L"\\\\server\\share\\dir\\..\\a.ini"},
        {L"a.ini", beside + L"a.ini"},
        {L"sub\\a.ini", beside + L"sub\\a.ini"},
        {L"\\a.ini", beside + L"a.ini"},  // root-relative
    };
    for (const auto& c : cases) EXPECT_EQ(c.resolved, storage::resolveIniPath(c.path)) << c.path;
}

}  // namespace
