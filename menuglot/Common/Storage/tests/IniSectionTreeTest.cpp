#include <gtest/gtest.h>

#include "IniTestFile.h"

namespace {

const std::string kTree =
    "[A\\B\\C]\nk=1\n"
    "[A\\D]\nk=2\n"
    "[a\\e]\nk=3\n"
    "[AB]\nk=4\n";

std::vector<std::wstring> sectionNames(const IniTestFile& file) {
    wchar_t buffer[4096] = {};
    const DWORD count = GetPrivateProfileSectionNamesW(buffer, 4096, file.path().c_str());
    std::vector<std::wstring> names;
    for (const wchar_t* name = buffer; name < buffer + count && *name; name += wcslen(name) + 1) names.push_back(name);
    return names;
}

TEST(IniSectionTree, ASectionExistsThroughAGrandchildButListsOnlyChildrenThatExistThemselves) {
    const IniTestFile file(kTree);
    auto store = file.open(L"A");
    ASSERT_TRUE(store.isOpen());
    storage::NameList children;
    ASSERT_TRUE(store.getChildNames(children));
    EXPECT_EQ(children, (storage::NameList{L"D", L"e"}));  // not B (only A\B\C exists), not AB

    auto onlyThroughGrandchild = store.openChild(L"B");
    ASSERT_NE(onlyThroughGrandchild, nullptr);
    storage::NameList grandchildren;
    onlyThroughGrandchild->getChildNames(grandchildren);
    EXPECT_EQ(grandchildren, (storage::NameList{L"C"}));
    EXPECT_EQ(store.openChild(L"X"), nullptr);
}

TEST(IniSectionTree, OpeningAMissingSectionFailsAndLeavesTheStorageClosed) {
    const IniTestFile file(kTree);
    storage::IniFileStorage store;
    EXPECT_FALSE(store.open(L"Z", file.path().c_str()));
    EXPECT_FALSE(store.isOpen());
    EXPECT_FALSE(store.open(L"A\\B\\C\\D", file.path().c_str()));
    EXPECT_FALSE(store.open(L"A", (file.path() + L".missing").c_str()));
    ASSERT_TRUE(store.open(L"a", file.path().c_str()));  // section names ignore case
    store.close();
    EXPECT_FALSE(store.isOpen());
}

// Wine's WritePrivateProfileSectionW with an empty entry list reports success but writes no
// section header, so what is checked here is that a created node is open and its writes land in
// its own section.
TEST(IniSectionTree, CreatedChildrenAreOpenAndWriteIntoTheirOwnSection) {
    const IniTestFile file(kTree);
    auto store = file.open(L"A");
    auto created = store.createChild(L"New");
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->isOpen());
    ASSERT_TRUE(created->writeInt(L"n", 5));
    std::int32_t value = 0;
    const auto reopened = store.openChild(L"New");
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(reopened->readInt(L"n", value));
    EXPECT_EQ(value, 5);

    const std::wstring fresh = file.path() + L".fresh.ini";
    storage::IniFileStorage made;
    ASSERT_TRUE(made.openOrCreate(L"Top", fresh.c_str()));
    ASSERT_TRUE(made.writeString(L"k", L"v"));
    storage::IniFileStorage again;
    EXPECT_TRUE(again.open(L"Top", fresh.c_str()));
    DeleteFileW(fresh.c_str());
}

TEST(IniSectionTree, DeleteChildRemovesTheWholeTreeAndNothingBesideIt) {
    const IniTestFile file(kTree);
    auto store = file.open(L"A");
    ASSERT_TRUE(store.deleteChild(L"B"));
    EXPECT_EQ(sectionNames(file), (std::vector<std::wstring>{L"A\\D", L"a\\e", L"AB"}));
    EXPECT_TRUE(store.deleteChild(L"Missing"));  // an empty tree is no failure
    ASSERT_TRUE(store.deleteChild(L""));          // the node's own tree
    EXPECT_EQ(sectionNames(file), (std::vector<std::wstring>{L"AB"}));
}

TEST(IniSectionTree, ChildListsLongerThanTheFirstBufferAreComplete) {
    std::string content;
    for (int i = 0; i < 60; ++i) content += "[Parent\\child_section_number_" + std::to_string(i) + "]\nk=1\n";
    const IniTestFile file(content);
    auto store = file.open(L"Parent");
    storage::NameList children;
    ASSERT_TRUE(store.getChildNames(children));
    ASSERT_EQ(children.size(), 60u);
    EXPECT_EQ(children.back(), L"child_section_number_59");
}

}  // namespace
