#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace
