// The settings program's decisions that need neither a window nor the feature library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Afx.h"
#include "CommandLineOptions.h"
#include "DialogLayout.h"
#include "EnablingRules.h"
#include "GaugeGeometry.h"
#include "GroupLayout.h"
#include "ModeList.h"
#include "PowerStatusSource.h"

namespace {

std::vector<std::wstring> Labels(const std::vector<ModeEntry>& entries) {
    std::vector<std::wstring> labels;
    for (const ModeEntry& entry : entries) labels.push_back(AfxLoadString(entry.nTextId));
    return labels;
}

std::vector<int> Codes(const std::vector<ModeEntry>& entries) {
    std::vector<int> codes;
    for (const ModeEntry& entry : entries) codes.push_back(entry.nCode);
    return codes;
}

}  // namespace

TEST(SettingsCommandLine, OptionsAreReadUpToTheFirstEmptyOne) {
    struct Case {
        const wchar_t* line;
        WORD primary, sub;
        bool noInfo;
    };
    for (const Case& c : {Case{L"/p:11 /s:1 /noinfo", 0x11, 1, true},
                          Case{L"/p:9 /s:1", 0x09, 1, false},
                          Case{L"/P:7/S:1", 0x07, 1, false},
                          Case{L"/p 1f /s\t2", 0x1F, 2, false},
                          Case{L"//noinfo//p:a", 0x0A, 0, true},
                          Case{L"/noinfo \t", 0, 0, true},
                          Case{L"/NOINFO", 0, 0, false},
                          Case{L"/noinfox /pa:7 /x:1", 0, 0, false},
                          Case{L"/p:7/ /noinfo", 0x07, 0, false},
                          Case{L"/p:0x7 /s:123456789", 0, 0x6789, false},
                          Case{L"", 0, 0, false}}) {
        const CommandLineOptions options = ParseCommandLine(c.line);
        EXPECT_EQ(c.primary, options.wPrimaryLang) << c.line;
        EXPECT_EQ(c.sub, options.wSubLang) << c.line;
        EXPECT_EQ(c.noInfo, options.bNoInfo) << c.line;
    }
}

TEST(ModeList, MaskGivesTheFamilyTheLabelsAndTheirOrder) {
    struct Case {
        DWORD mask;
        std::vector<int> codes;
        std::vector<std::wstring> labels;
    };
    for (const Case& c : {Case{0x1E, {4, 3, 2, 1}, {L"Mode4 (default)", L"Mode3", L"Mode2", L"Mode1"}},
                          Case{0x18, {4, 3}, {L"Typical Mode (default)", L"Alternate Mode"}},
                          Case{0x58, {5, 6}, {L"Auto Mode(Default)", L"2.0A Mode"}},
                          Case{0x40, {5, 6}, {L"Auto Mode(Default)", L"2.0A Mode"}},
                          Case{0x30, {5, 4}, {L"Auto Mode(Default)", L"Typical Mode (default)"}},
                          Case{0x24, {5, 2}, {L"Alternate Mode", L"Mode2"}},
                          Case{0x00, {}, {}}}) {
        const std::vector<ModeEntry> entries = BuildModeList(c.mask, ModeNameVersion(c.mask));
        EXPECT_EQ(c.codes, Codes(entries)) << std::hex << c.mask;
        EXPECT_EQ(c.labels, Labels(entries)) << std::hex << c.mask;
    }
    EXPECT_TRUE(IsTwoEntryList(0x58));
    EXPECT_FALSE(IsTwoEntryList(0x1E));
}

TEST(ModeList, ModeToSelectFallsBackToTheStoredModeThenToFour) {
    const std::vector<ModeEntry> typical = BuildModeList(0x18, 2);  // codes 4, 3
    struct Case {
        int libraryCode;
        std::optional<DWORD> stored;
        int expectedCode;
        int expectedEntry;
    };
    for (const Case& c : {Case{3, 4, 3, 1},             // the library's own mode wins
                          Case{0, std::nullopt, 4, 0},  // nothing stored
                          Case{0, 3, 3, 1},
                          Case{0, 0, 4, 0},
                          Case{0, 7, 4, 0},
                          Case{0, 0xFFFFFFFF, 4, 0},
                          Case{0, 2, 2, 0},   // stored but not offered: entry 0
                          Case{9, 3, 3, 1}}) {  // a code the list cannot have counts as off
        const int code = ModeToSelect(c.libraryCode, c.stored);
        EXPECT_EQ(c.expectedCode, code) << c.libraryCode;
        EXPECT_EQ(c.expectedEntry, EntryIndexOf(typical, code)) << c.libraryCode;
    }
}

TEST(EnablingRules, BatteryGroupStaysUsableWhileEitherFeatureIsOn) {
    CheckStates checks;
    checks.bBattery = true;

    // Music on: unchecking charge leaves the battery group and its slider usable.
    checks.bMusic = true;
    EnablingChange change = ChargeRule(false, checks);
    EXPECT_EQ(false, change.modeControls);
    EXPECT_FALSE(change.batteryGroup.has_value());
    EXPECT_FALSE(change.batteryControls.has_value());

    // Music off: charge decides for the battery group too.
    checks.bMusic = false;
    change = ChargeRule(false, checks);
    EXPECT_EQ(false, change.batteryGroup);
    EXPECT_EQ(false, change.batteryControls);
    change = ChargeRule(true, checks);
    EXPECT_EQ(true, change.batteryGroup);
    EXPECT_EQ(true, change.batteryControls);

    // The slider needs its own box, and a battery.
    checks.bBattery = false;
    EXPECT_EQ(false, ChargeRule(true, checks).batteryControls);
    checks.bBattery = true;
    checks.bBatteryPresent = false;
    EXPECT_EQ(false, BatteryControlsRule(true, checks).batteryControls);
}

TEST(EnablingRules, MusicRuleSwitchesTheBatteryGroupOnlyWhenChargeIsOff) {
    struct Case {
        bool charge, music;
        std::optional<bool> group;
    };
    for (const Case& c : {Case{false, true, true}, Case{true, true, true}, Case{false, false, false},
                          Case{true, false, std::nullopt}}) {
        CheckStates checks;
        checks.bCharge = c.charge;
        checks.bMusic = c.music;
        checks.bBattery = true;
        const EnablingChange change = MusicRule(checks);
        EXPECT_EQ(c.group, change.batteryGroup) << c.charge << c.music;
        EXPECT_EQ(c.group, change.batteryControls) << c.charge << c.music;
        EXPECT_FALSE(change.modeControls.has_value());
    }
}

TEST(DialogLayout, LayoutsAndScale) {
    struct Case {
        DialogLayoutKind kind;
        LONG width96, height96;
    };
    for (const Case& c : {Case{DialogLayoutKind::WithMusic, 488, 542}, Case{DialogLayoutKind::WithoutMusic, 488, 456},
                          Case{DialogLayoutKind::BatteryLess, 488, 407}}) {
        const SIZE at96 = LayoutWindowSize(c.kind, 96);
        EXPECT_EQ(c.width96, at96.cx);
        EXPECT_EQ(c.height96, at96.cy);
        // 144 dots per inch grow every measure by half.
        const SIZE at144 = LayoutWindowSize(c.kind, 144);
        EXPECT_EQ(c.width96 * 3 / 2, at144.cx);
        EXPECT_EQ(c.height96 * 3 / 2, at144.cy);
    }
    EXPECT_EQ(130 + 176, TitleWindowWidth(130, 96));
    EXPECT_EQ(130 + 264, TitleWindowWidth(130, 144));
}

TEST(GroupLayout, GroupsAndTheirControlsLieAtTheirScaledOffsets) {
    const auto same = [](const RECT& expected, const RECT& actual) {
        return ::EqualRect(&expected, &actual) ? testing::AssertionSuccess()
                                               : testing::AssertionFailure()
                                                     << actual.left << "," << actual.top << "," << actual.right << ","
                                                     << actual.bottom;
    };
    const RECT frame{12, 0, 476, 10};
    // Sums are scaled whole, 3 * 1.5 rounds down: each rectangle at 144 dpi shows it.
    const GroupLayout::ChargeGroup charge = GroupLayout::PlaceChargeGroup(frame, {24, 0, 200, 13}, {24, 0, 162, 21}, 144);
    EXPECT_TRUE(same({12, 129, 476, 321}, charge.frame));
    EXPECT_TRUE(same({24, 254, 200, 267}, charge.label));
    EXPECT_TRUE(same({24, 288, 162, 309}, charge.list));
    EXPECT_TRUE(same({210, 150, 472, 252}, charge.description));
    EXPECT_TRUE(same({61, 177, 185, 228}, charge.picture));
    const GroupLayout::MusicGroup music = GroupLayout::PlaceMusicGroup(frame, 144);
    EXPECT_TRUE(same({12, 339, 476, 456}, music.frame));
    EXPECT_TRUE(same({210, 354, 472, 456}, music.description));
    EXPECT_TRUE(same({61, 378, 185, 442}, music.picture));
    // The battery group hangs from the window's bottom; the slider reaches 5 pixels past the gauge.
    const GroupLayout::BatteryGroupControls now{frame,          {0, 0, 10, 13}, {0, 0, 24, 20},    {0, 0, 10, 30},
                                                {0, 0, 10, 22}, {300, 0, 340, 13}, {40, 0, 80, 13}};
    const GroupLayout::BatteryGroupControls battery = GroupLayout::PlaceBatteryGroup(now, 542, {150, 90}, 96);
    EXPECT_TRUE(same({12, 316, 476, 452}, battery.frame));
    EXPECT_TRUE(same({31, 336, 181, 349}, battery.label));
    EXPECT_TRUE(same({197, 336, 221, 349}, battery.value));
    EXPECT_TRUE(same({32, 386, 452, 408}, battery.gauge));
    EXPECT_TRUE(same({27, 356, 457, 386}, battery.slider));
    EXPECT_TRUE(same({300, 414, 340, 427}, battery.level));
    EXPECT_TRUE(same({40, 431, 130, 444}, battery.levelLabel));
}

TEST(GaugeGeometry, GaugeLinesUpWithTheSliderAndRepaintsOnlyTheDraggedStrip) {
    // A channel of 300 pixels and a thumb of 11: one percent is (300 - 11) / 97 = 2.97 pixels.
    const RECT channel{100, 50, 400, 54};
    const RECT thumb{150, 40, 161, 60};
    const RECT area = GaugeGeometry::PlaceArea(channel, thumb, 70, 96);
    EXPECT_EQ(100 + 5 - 5 - 5, area.left);  // 2 x 2.97 pixels left of the 2 percent point
    EXPECT_EQ(400 - 5 + 2 + 5, area.right);
    EXPECT_EQ(72, area.top);
    EXPECT_EQ(94, area.bottom);
    // At 144 the 33 pixels of height become an even 34.
    const RECT area144 = GaugeGeometry::PlaceArea(channel, thumb, 70, 144);
    EXPECT_EQ(73, area144.top);
    EXPECT_EQ(34, area144.bottom - area144.top);

    const RECT bar = GaugeGeometry::InnerBar(310);
    EXPECT_EQ(5, bar.left);
    EXPECT_EQ(305, bar.right);
    EXPECT_EQ(5, GaugeGeometry::PercentPoint(bar, 0));
    EXPECT_EQ(155, GaugeGeometry::PercentPoint(bar, 50));
    EXPECT_EQ(305, GaugeGeometry::PercentPoint(bar, 100));

    // Dragging from 10 to 12 (either way) repaints from the 10 point - 16 to the 12 point + 16.
    for (const auto& [from, to] : {std::pair{10, 12}, std::pair{12, 10}}) {
        const POINT strip = GaugeGeometry::DragStrip(300, from, to);
        EXPECT_EQ(30 - 16, strip.x);
        EXPECT_EQ(36 + 16, strip.y);
    }
}

TEST(GaugeGeometry, LevelLabelsStayInsideTheGauge) {
    using GaugeGeometry::LabelAlign;
    struct Case {
        int centre;
        int expectedLeft;
        LabelAlign expectedAlign;
    };
    // A label of 40 pixels on a gauge from 100 to 400.
    for (const Case& c : {Case{250, 230, LabelAlign::Centre}, Case{105, 100, LabelAlign::Left},
                          Case{120, 100, LabelAlign::Centre}, Case{119, 100, LabelAlign::Left},
                          Case{395, 360, LabelAlign::Right}, Case{380, 360, LabelAlign::Centre}}) {
        const GaugeGeometry::LabelPlacement placed = GaugeGeometry::PlaceLabel(c.centre, 40, 100, 400);
        EXPECT_EQ(c.expectedLeft, placed.nLeft) << c.centre;
        EXPECT_EQ(c.expectedAlign, placed.align) << c.centre;
    }
}

namespace {
// The narrowest seam there is: Wine reports no battery, so these give the status themselves.
class ScriptedPowerStatus : public PowerStatusSource {
public:
    ScriptedPowerStatus(bool bReadable, BYTE bFlag, BYTE bPercent)
        : m_bReadable(bReadable), m_bFlag(bFlag), m_bPercent(bPercent) {}
    bool Read(SYSTEM_POWER_STATUS& status) const override {
        status.BatteryFlag = m_bFlag;
        status.BatteryLifePercent = m_bPercent;
        return m_bReadable;
    }

private:
    bool m_bReadable;
    BYTE m_bFlag, m_bPercent;
};
}  // namespace

TEST(PowerStatus, LevelIsZeroAndNotKnownWithoutABatteryAndNothingWhenUnreadable) {
    using Reading = std::optional<BatteryReading>;
    EXPECT_EQ(Reading(BatteryReading{57, true}), BatteryLevel(ScriptedPowerStatus(true, 1, 57)));
    EXPECT_EQ(Reading(BatteryReading{0, false}), BatteryLevel(ScriptedPowerStatus(true, 128, 255)));
    EXPECT_EQ(Reading(BatteryReading{0, false}), BatteryLevel(ScriptedPowerStatus(true, 8, 255)));
    EXPECT_EQ(std::nullopt, BatteryLevel(ScriptedPowerStatus(false, 1, 57)));
    // What Wine reports here: no battery.
    EXPECT_EQ(Reading(BatteryReading{0, false}), BatteryLevel(PowerStatusSource()));
}

