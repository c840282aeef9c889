#pragma once
// Templates of the framework tests: a keypad dialog in three layouts (118, 178, 209) and a form
// view in three layouts (300, 301, 302), installed in place of the program's own resources.
// The ids here are test template data.

#include "core/common/resources/ResourceScript.h"
#include "core/common/resources/Resources.h"
#include "resource.h"

#include <gtest/gtest.h>

inline constexpr int kFieldA = 2001;
inline constexpr int kFieldB = 2002;
inline constexpr int kCalculate = IDC_CALCULATE;

inline const char* kTestScript = R"(
118 DIALOGEX 0, 0, 160, 170
CAPTION "Heading && Time"
BEGIN
    LTEXT "Speed:", -1, 4, 18, 40, 9
    EDITTEXT 2001, 50, 16, 40, 12
    COMBOBOX 2002, 100, 16, 40, 80, CBS_DROPDOWN
    PUSHBUTTON "Calculate", 1043, 108, 40, 48, 14
    AUTORADIOBUTTON "East", 1010, 4, 40, 30, 10, WS_GROUP
    AUTORADIOBUTTON "West", 1011, 40, 40, 30, 10
    PUSHBUTTON "1", 1327, 4, 70, 20, 14
    PUSHBUTTON "2", 1328, 26, 70, 20, 14
    PUSHBUTTON "3", 1329, 48, 70, 20, 14
    PUSHBUTTON "4", 1330, 4, 86, 20, 14
    PUSHBUTTON "5", 1331, 26, 86, 20, 14
    PUSHBUTTON "6", 1332, 48, 86, 20, 14
    PUSHBUTTON "7", 1333, 4, 102, 20, 14
    PUSHBUTTON "8", 1334, 26, 102, 20, 14
    PUSHBUTTON "9", 1335, 48, 102, 20, 14
    PUSHBUTTON "0", 1336, 26, 118, 20, 14
    PUSHBUTTON ".", 1064, 4, 118, 20, 14
    PUSHBUTTON ":", 1046, 48, 118, 20, 14
    PUSHBUTTON "-", 1065, 70, 118, 20, 14
    PUSHBUTTON "CE", 1339, 70, 70, 20, 14
    PUSHBUTTON "C", 1340, 70, 86, 20, 14
    PUSHBUTTON "", 1066, 70, 102, 20, 14
    GROUPBOX "", -1, 2, 66, 92, 68
    LTEXT "After the keypad", 1020, 100, 70, 50, 9
    DEFPUSHBUTTON "OK", 1, 4, 150, 40, 14
    PUSHBUTTON "Cancel", 2, 60, 150, 40, 14
    PUSHBUTTON "Close", 1577, 116, 150, 40, 14
END

178 DIALOGEX 0, 0, 215, 110
CAPTION "Heading && Time"
BEGIN
    LTEXT "Speed:", -1, 104, 18, 40, 9
    EDITTEXT 2001, 150, 16, 40, 12
    COMBOBOX 2002, 150, 30, 40, 80, CBS_DROPDOWN
    PUSHBUTTON "Calculate", 1043, 150, 44, 48, 14
    AUTORADIOBUTTON "East", 1010, 104, 60, 30, 10, WS_GROUP
    AUTORADIOBUTTON "West", 1011, 140, 60, 30, 10
    PUSHBUTTON "1", 1327, 4, 20, 20, 14
    PUSHBUTTON "2", 1328, 26, 20, 20, 14
    PUSHBUTTON "3", 1329, 48, 20, 20, 14
    PUSHBUTTON "4", 1330, 4, 36, 20, 14
    PUSHBUTTON "5", 1331, 26, 36, 20, 14
    PUSHBUTTON "6", 1332, 48, 36, 20, 14
    PUSHBUTTON "7", 1333, 4, 52, 20, 14
    PUSHBUTTON "8", 1334, 26, 52, 20, 14
    PUSHBUTTON "9", 1335, 48, 52, 20, 14
    PUSHBUTTON "0", 1336, 26, 68, 20, 14
    PUSHBUTTON ".", 1064, 4, 68, 20, 14
    PUSHBUTTON ":", 1046, 48, 68, 20, 14
    PUSHBUTTON "-", 1065, 70, 68, 20, 14
    PUSHBUTTON "CE", 1339, 70, 20, 20, 14
    PUSHBUTTON "C", 1340, 70, 36, 20, 14
    PUSHBUTTON "", 1066, 70, 52, 20, 14
    GROUPBOX "", -1, 2, 16, 92, 68
    LTEXT "After the keypad", 1020, 104, 80, 50, 9
    DEFPUSHBUTTON "OK", 1, 104, 94, 30, 14
    PUSHBUTTON "Cancel", 2, 138, 94, 30, 14
    PUSHBUTTON "Close", 1577, 172, 94, 30, 14
END

209 DIALOGEX 0, 0, 160, 115
CAPTION "Heading && Time"
BEGIN
    LTEXT "Speed:", -1, 4, 16, 40, 9
    EDITTEXT 2001, 50, 14, 40, 12
    COMBOBOX 2002, 100, 14, 40, 80, CBS_DROPDOWN
    PUSHBUTTON "Calculate", 1043, 108, 30, 48, 14
    AUTORADIOBUTTON "East", 1010, 4, 30, 30, 10, WS_GROUP
    AUTORADIOBUTTON "West", 1011, 40, 30, 30, 10
    PUSHBUTTON "1", 1327, 4, 70, 20, 14
    PUSHBUTTON "2", 1328, 26, 70, 20, 14
    PUSHBUTTON "3", 1329, 48, 70, 20, 14
    PUSHBUTTON "4", 1330, 4, 86, 20, 14
    PUSHBUTTON "5", 1331, 26, 86, 20, 14
    PUSHBUTTON "6", 1332, 48, 86, 20, 14
    PUSHBUTTON "7", 1333, 4, 102, 20, 14
    PUSHBUTTON "8", 1334, 26, 102, 20, 14
    PUSHBUTTON "9", 1335, 48, 102, 20, 14
    PUSHBUTTON "0", 1336, 26, 118, 20, 14
    PUSHBUTTON ".", 1064, 4, 118, 20, 14
    PUSHBUTTON ":", 1046, 48, 118, 20, 14
    PUSHBUTTON "-", 1065, 70, 118, 20, 14
    PUSHBUTTON "CE", 1339, 70, 70, 20, 14
    PUSHBUTTON "C", 1340, 70, 86, 20, 14
    PUSHBUTTON "", 1066, 70, 102, 20, 14
    GROUPBOX "", -1, 2, 66, 92, 68
    LTEXT "After the keypad", 1020, 100, 50, 50, 9
    DEFPUSHBUTTON "OK", 1, 4, 98, 40, 14
    PUSHBUTTON "Cancel", 2, 60, 98, 40, 14
    PUSHBUTTON "Close", 1577, 116, 98, 40, 14
END

300 DIALOGEX 0, 0, 160, 160
BEGIN
    LTEXT "Ident:", -1, 4, 18, 40, 9
    EDITTEXT 2001, 50, 16, 60, 12
END
301 DIALOGEX 0, 0, 213, 120
BEGIN
    LTEXT "Ident:", -1, 4, 18, 40, 9
    EDITTEXT 2001, 120, 16, 60, 12
END
302 DIALOGEX 0, 0, 160, 120
BEGIN
    LTEXT "Ident:", -1, 4, 18, 40, 9
    EDITTEXT 2001, 80, 40, 60, 12
END
)";

// Installs the test templates for the lifetime of a test.
class TestTemplatesFixture : public ::testing::Test {
protected:
    void SetUp() override {
        set_.symbols = PredefinedResourceSymbols();
        const Status parsed = ParseResourceScript(kTestScript, "test.rc", &set_);
        ASSERT_TRUE(parsed.ok()) << parsed.error().text.toStdString();
        OverrideResourcesForTesting(&set_);
    }
    void TearDown() override { OverrideResourcesForTesting(nullptr); }

private:
    ResourceSet set_;
};
