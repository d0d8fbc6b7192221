#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HtmlResourceText.h"
#include "Resource.h"

namespace {

std::vector<BYTE> Utf16Bytes(const std::wstring& text, bool bWithMark) {
    std::vector<BYTE> bytes;
    if (bWithMark) bytes = {0xFF, 0xFE};
    for (const wchar_t c : text) {
        bytes.push_back(static_cast<BYTE>(c & 0xFF));
        bytes.push_back(static_cast<BYTE>(c >> 8));
    }
    return bytes;
}

std::vector<BYTE> AnsiBytes(const std::string& text) { return std::vector<BYTE>(text.begin(), text.end()); }

std::wstring Decode(const std::vector<BYTE>& bytes) { return DecodeHtmlResource(bytes.data(), bytes.size()); }

}  // namespace

TEST(HtmlResourceText, EncodingIsDecidedOnTheFirstSixteenBitUnits) {
    const struct {
        const char* what;
        std::vector<BYTE> bytes;
        std::wstring expected;
    } cases[] = {
        {"UTF-16 with mark, mark dropped", Utf16Bytes(L"<p>\u00e4\u20ac</p>", true), L"<p>\u00e4\u20ac</p>"},
        {"UTF-16 without mark starting <html", Utf16Bytes(L"<html><body/>", false), L"<html><body/>"},
        {"UTF-16 without mark, tag in any case", Utf16Bytes(L"<HtMl>", false), L"<HtMl>"},
        {"8-bit text starting <HTML", AnsiBytes("<HTML><p>x</p></HTML>"), L"<HTML><p>x</p></HTML>"},
        {"UTF-16 of fewer than five units without mark is 8-bit", Utf16Bytes(L"<htm", false),
         std::wstring(L"<\0h\0t\0m\0", 8)},
        {"the mark alone", {0xFF, 0xFE}, L""},
        {"8-bit text", AnsiBytes("<p>plain</p>"), L"<p>plain</p>"},
        {"nothing", {}, L""},
        {"odd UTF-16 size drops the half unit", {0xFF, 0xFE, 'a', 0, 'b'}, L"a"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, Decode(c.bytes)) << c.what;
}

TEST(HtmlResourceText, ProgramPagesLoadAsUtf16AndMissingOnesAsEmpty) {
    HMODULE hSelf = GetModuleHandleW(nullptr);
    for (const UINT nPage : {IDR_HTML_PAGE_MODES, IDR_HTML_PAGE_FAMILIES}) {
        const std::wstring page = LoadHtmlResource(hSelf, nPage);
        EXPECT_NE(std::wstring::npos, page.find(L"<body")) << nPage;
        EXPECT_NE(std::wstring::npos, page.find(L"res://NodwellInfo.EXE/#2/#138")) << nPage;
        EXPECT_NE(0xFEFF, page.empty() ? 0 : page[0]) << nPage;
    }
    EXPECT_EQ(L"", LoadHtmlResource(hSelf, 999));
}
