#include <gtest/gtest.h>

#include <optional>

#include "IniTestFile.h"

namespace {

const std::string kValues =
    "[S]\n"
    "plain=value\n"
    "sentinel1=DEFAULT_VALUE1\n"
    "sentinel2=DEFAULT_VALUE2\n"
    "\"quoted\"=found\n"
    "empty=\n"
    "dword=dword:1F\n"
    "hex0x=0x1F\n"
    "decimal=31\n"
    "capitalX=0X1F\n"
    "negative=-5\n"
    "word=abc\n"
    "badDword=dword:zz\n";

TEST(IniFileStorage, RawReadsTellMissingKeysFromEverySentinelAndFindQuotedKeyNames) {
    const IniTestFile file(kValues);
    auto store = file.open(L"S");
    const struct {
        const wchar_t* key;
        std::optional<std::wstring> expected;
    } cases[] = {
        {L"plain", L"value"},
        {L"sentinel1", L"DEFAULT_VALUE1"},
        {L"sentinel2", L"DEFAULT_VALUE2"},
        {L"quoted", L"found"},
        {L"empty", L""},
        {L"missing", std::nullopt},
    };
    for (const auto& c : cases) {
        std::wstring value = L"untouched";
        EXPECT_EQ(store.readRawString(c.key, value), c.expected.has_value()) << c.key;
        EXPECT_EQ(value, c.expected.value_or(L"untouched")) << c.key;
    }
}

TEST(IniFileStorage, ReadIntTakesDwordHexAndDecimalTextAndLeavesOutputOnFailure) {
    const IniTestFile file(kValues);
    auto store = file.open(L"S");
    const struct {
        const wchar_t* key;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {L"dword", 31}, {L"hex0x", 31}, {L"decimal", 31},
        {L"capitalX", 0},  // the decimal scan stops at the X
        {L"negative", -5}, {L"word", std::nullopt}, {L"badDword", std::nullopt}, {L"missing", std::nullopt},
    };
    for (const auto& c : cases) {
        std::int32_t value = 77;
        EXPECT_EQ(store.readInt(c.key, value), c.expected.has_value()) << c.key;
        EXPECT_EQ(value, c.expected.value_or(77)) << c.key;
    }
    ASSERT_TRUE(store.writeInt(L"written", -42));
    std::int32_t value = 0;
    ASSERT_TRUE(store.readInt(L"written", value));
    EXPECT_EQ(value, -42);
}

TEST(IniFileStorage, WrittenStringsReadBackWithEveryEscapeAndTheirBlanks) {
    const IniTestFile file("[S]\n");
    auto store = file.open(L"S");
    const std::wstring cases[] = {
        L"",
        L"  leading and trailing  ",
        L"\n\t\v\b\r\f\a\\",
        L"C:\\new\\table",  // a backslash before n is doubled on writing, not taken as an escape
        L"DEFAULT_VALUE1",
        L"\"inner quotes\"",
        L"\u00dcbersicht",  // the file is not Unicode, so only characters of its code page
        std::wstring(300, L'x'),
    };
    for (const auto& original : cases) {
        ASSERT_TRUE(store.writeString(L"key", original));
        std::wstring value = L"untouched";
        ASSERT_TRUE(store.readString(L"key", value));
        EXPECT_EQ(value, original);
    }
    ASSERT_TRUE(store.writeString(L"empty", L""));
    EXPECT_NE(file.text().find("empty=\"\""), std::string::npos) << file.text();
}

TEST(IniFileStorage, EachEscapedCharacterHasItsOwnWrittenForm) {
    const IniTestFile file("[S]\n");
    auto store = file.open(L"S");
    const struct {
        wchar_t character;
        const char* written;
    } cases[] = {
        {L'\n', "\\n"}, {L'\t', "\\t"}, {L'\v', "\\v"}, {L'\b', "\\b"}, {L'\r', "\\r"},
        {L'\f', "\\f"}, {L'\a', "\\a"}, {L'\\', "\\\\"}, {L'n', "n"}, {L'"', "\""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(store.writeString(L"key", std::wstring(L"<") + c.character + L">"));
        const std::string line = std::string("key=\"<") + c.written + ">\"";
        EXPECT_NE(file.text().find(line), std::string::npos) << line << " in " << file.text();
    }
}

TEST(IniFileStorage, ByteListsAreWrittenAsHexTextAndEmptyListsAreRefused) {
    const IniTestFile file("[S]\n");
    auto store = file.open(L"S");
    ASSERT_TRUE(store.writeBinary(L"bytes", {10, 255, 16}));
    std::wstring raw;
    ASSERT_TRUE(store.readRawString(L"bytes", raw));
    EXPECT_EQ(raw, L"hex:0A,FF,10");
    storage::ByteList bytes{9};
    ASSERT_TRUE(store.readBinary(L"bytes", bytes));
    EXPECT_EQ(bytes, (storage::ByteList{9, 10, 255, 16}));  // appended, not replaced

    EXPECT_FALSE(store.writeBinary(L"none", {}));
    EXPECT_FALSE(store.readRawString(L"none", raw));
}

TEST(IniFileStorage, ReadBinaryDecodesWellAndMalformedHexText) {
    const IniTestFile file("[S]\n");
    auto store = file.open(L"S");
    const struct {
        const wchar_t* text;
        bool found;
        storage::ByteList expected;
    } cases[] = {
        {L"hex:", true, {}},
        {L"hex:1", true, {}},
        {L"hex:01,02", true, {1, 2}},
        {L"hex:01,0", true, {1}},
        {L"hex:zz,01", true, {0, 1}},     // a pair that is not hexadecimal gives 0
        {L"hex:01;02,03", true, {2, 3}},  // a wrong separator drops its pair
        {L"text hex:AB", true, {0xAB}},
        {L"0A,0B", false, {}},
    };
    for (const auto& c : cases) {
        file.writeRaw(L"S", L"bytes", c.text);
        storage::ByteList bytes;
        EXPECT_EQ(store.readBinary(L"bytes", bytes), c.found) << c.text;
        EXPECT_EQ(bytes, c.expected) << c.text;
    }
}

TEST(IniFileStorage, ValuesAroundAndBeyondTheFirstBufferAreReadWhole) {
    const IniTestFile file("[S]\n");
    auto store = file.open(L"S");
    for (std::size_t length : {253u, 254u, 255u, 256u, 511u, 512u, 513u, 3000u}) {
        const std::wstring original(length, L'v');
        file.writeRaw(L"S", L"long", original);
        std::wstring value;
        ASSERT_TRUE(store.readRawString(L"long", value));
        EXPECT_EQ(value.size(), length);
    }
}

TEST(IniFileStorage, KeyNamesComeInFileOrderAndAreAppendedAndDeleteKeyRemovesOne) {
    std::string content = "[S]\nzeta=1\nalpha=2\nmid=3\n";
    for (int i = 0; i < 40; ++i) content += "padding_key_with_a_long_name_" + std::to_string(i) + "=x\n";
    const IniTestFile file(content);
    auto store = file.open(L"S");
    storage::NameList names{L"kept"};
    ASSERT_TRUE(store.getKeyNames(names));
    ASSERT_EQ(names.size(), 44u);
    EXPECT_EQ(names[0], L"kept");
    EXPECT_EQ(names[1], L"zeta");
    EXPECT_EQ(names[2], L"alpha");
    EXPECT_EQ(names[3], L"mid");
    EXPECT_EQ(names[43], L"padding_key_with_a_long_name_39");

    ASSERT_TRUE(store.deleteKey(L"alpha"));
    std::wstring value;
    EXPECT_FALSE(store.readRawString(L"alpha", value));
    EXPECT_TRUE(store.readRawString(L"zeta", value));
}

}  // namespace
