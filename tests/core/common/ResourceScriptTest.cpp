// The resource parsers on scripts of their own; ids here are parser test data.
#include "core/common/resources/ResourceScript.h"
#include "core/common/resources/ResourceBinary.h"
#include "core/common/resources/Resources.h"
#include "resource.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

bool Parse(const QString& header, const QString& script, ResourceSet* set, ResourceError* error) {
    set->symbols = PredefinedResourceSymbols();
    return ParseResourceHeader(header, "resource.h", &set->symbols, error) &&
           ParseResourceScript(script, "trevallion.rc", set, error);
}

const char* kHeader = "// ids\n#define IDD_TEST 118\n#define IDC_WIND 1001\n"
                      "#define IDC_GO 1043\n#define ID_FILE_EXIT 32853\n#define IDS_HELLO 57344\n";

TEST(ResourceScript, ParsesDialogsMenusAndStrings) {
    const QString script = R"(#include "resource.h"
IDD_TEST DIALOGEX 0, 0, 160, 170
STYLE DS_SETFONT | WS_POPUP
CAPTION "Heading && Time"
FONT 8, "Tahoma", 0, 0, 0x1
BEGIN
    LTEXT "Wind ""Dir"":", IDC_STATIC, 4, 18, 60, 9
    COMBOBOX IDC_WIND, 68, 16, 40, 80, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP
    PUSHBUTTON "Calculate", IDC_GO, 108, 150, 48, 14, NOT WS_VISIBLE
    CONTROL "", 1111, "Button", BS_OWNERDRAW, 4, 60, 152, 86
END
128 MENU
BEGIN
    POPUP "File"
    BEGIN
        MENUITEM "About", 33105
        MENUITEM SEPARATOR
        MENUITEM "Exit", ID_FILE_EXIT, GRAYED
    END
END
STRINGTABLE
BEGIN
    IDS_HELLO "Trevallion"
    32832, "Line one\nline two"
END
)";
    ResourceSet set;
    ResourceError error;
    ASSERT_TRUE(Parse(kHeader, script, &set, &error)) << error.ToText().toStdString();
    const DialogTemplate& d = set.dialogs.value(118);
    EXPECT_EQ(d.caption, QStringLiteral("Heading && Time"));
    EXPECT_EQ(d.rect, (ResourceRect{0, 0, 160, 170}));
    ASSERT_EQ(d.controls.size(), 4);
    EXPECT_EQ(d.controls[0].text, QStringLiteral("Wind \"Dir\":"));
    EXPECT_EQ(d.controls[0].id, -1);
    EXPECT_EQ(d.controls[1].id, 1001);
    EXPECT_TRUE(d.controls[1].HasStyle("CBS_DROPDOWN"));
    EXPECT_TRUE(d.controls[2].LacksStyle("WS_VISIBLE"));
    EXPECT_EQ(d.controls[3].className, QStringLiteral("Button"));
    EXPECT_TRUE(d.controls[3].HasStyle("BS_OWNERDRAW"));
    EXPECT_EQ(d.controls[3].rect, (ResourceRect{4, 60, 152, 86}));
    const MenuTemplate& m = set.menus.value(128);
    ASSERT_EQ(m.items.size(), 1);
    ASSERT_TRUE(m.items[0].IsPopup());
    ASSERT_EQ(m.items[0].children.size(), 3);
    EXPECT_TRUE(m.items[0].children[1].separator);
    EXPECT_EQ(m.items[0].children[2].id, 32853);
    EXPECT_EQ(m.items[0].children[2].flags, QStringList{"GRAYED"});
    EXPECT_EQ(set.strings.value(57344), QStringLiteral("Trevallion"));
    EXPECT_EQ(set.strings.value(32832), QStringLiteral("Line one\nline two"));
}

TEST(ResourceScript, ReportsEachKindOfErrorWithItsLine) {
    const struct {
        const char* script;
        int line;
        const char* message;
    } cases[] = {
        {"\n\nIDD_NOPE DIALOGEX 0, 0, 1, 1\nBEGIN\nEND\n", 3, "unknown symbol 'IDD_NOPE'"},
        {"118 DIALOGEX 0, 0, 1, 1\nBEGIN\n  LTEXT \"open, 1, 2, 3, 4, 5\nEND\n", 3,
         "text without its closing quote"},
        {"118 DIALOGEX 0, 0, 1, 1\nBEGIN\n  SLIDER 5, 1, 2, 3, 4\nEND\n", 3, "unknown control"},
        {"118 DIALOGEX 0, 0, 1, 1\nBEGIN\nEND\n118 DIALOGEX 0, 0, 1, 1\nBEGIN\nEND\n", 4,
         "defined twice"},
        {"118 DIALOGEX 0, 0, 1, 1\nBEGIN\n LTEXT \"a\", 5, 1, 2, 3, 4\n LTEXT \"b\", 5, 1, 2, 3, "
         "4\nEND\n",
         4, "appears twice"},
        {"118 DIALOGEX 0, 0, 1\nBEGIN\nEND\n", 2, "expected ','"},
        {"118 DIALOGEX 0, 0, 1, 1\nBEGIN\n LTEXT \"a\", 5, 1, 2, 3, 4\n", 4,
         "expected a control statement"},
        {"STRINGTABLE\nBEGIN\n 5 \"a\"\n 5 \"b\"\nEND\n", 4, "defined twice"},
        {"1 MENU\nBEGIN\n POPUP \"x\"\n BEGIN\n END\nEND\n", 3, "empty POPUP"},
        {"1 ACCELERATORS\n", 1, "expected DIALOGEX"},
        {"118 DIALOGEX 0, 0, 1, 1\n@\n", 2, "unexpected character"},
    };
    for (const auto& c : cases) {
        ResourceSet set;
        ResourceError error;
        EXPECT_FALSE(Parse(kHeader, c.script, &set, &error)) << c.script;
        EXPECT_EQ(error.line, c.line) << c.script;
        EXPECT_TRUE(error.message.contains(c.message))
            << c.script << " -> " << error.message.toStdString();
        EXPECT_EQ(error.file, QStringLiteral("trevallion.rc"));
    }
}

TEST(ResourceHeader, ReportsMalformedLines) {
    QMap<QString, int> symbols;
    ResourceError error;
    EXPECT_FALSE(ParseResourceHeader("#define A 1\nint x;\n", "resource.h", &symbols, &error));
    EXPECT_EQ(error.line, 2);
    EXPECT_FALSE(ParseResourceHeader("#define A 1\n#define A 2\n", "resource.h", &symbols, &error));
    symbols.clear();
    ASSERT_TRUE(ParseResourceHeader("#define A 0x10\n#define B A\n#define C -1\n", "resource.h",
                                    &symbols, &error));
    EXPECT_EQ(symbols.value("B"), 16);
    EXPECT_EQ(symbols.value("C"), -1);
}

// The real script: it parses, and the portrait, landscape and square templates of each screen
// (symbols IDD_X_P, IDD_X_L, IDD_X_S) list the same control ids in the same order.
TEST(RealResourceScript, TemplatesOfOneScreenAgree) {
    const Status loaded = LoadResources();
    ASSERT_TRUE(loaded.ok()) << loaded.error().text.toStdString();
    const ResourceSet& set = Resources();
    EXPECT_EQ(LoadString(IDS_APP_TITLE), QStringLiteral("Trevallion"));
    static const QRegularExpression portrait(QStringLiteral("^(IDD_.+)_P$"));
    int screens = 0;
    for (auto it = set.symbols.begin(); it != set.symbols.end(); ++it) {
        const QRegularExpressionMatch m = portrait.match(it.key());
        if (!m.hasMatch())
            continue;
        ASSERT_TRUE(set.dialogs.contains(it.value())) << it.key().toStdString();
        const DialogTemplate& base = set.dialogs[it.value()];
        for (const char* suffix : {"_L", "_S"}) {
            const QString other = m.captured(1) + suffix;
            if (!set.symbols.contains(other))
                continue;
            ASSERT_TRUE(set.dialogs.contains(set.symbols[other])) << other.toStdString();
            const DialogTemplate& d = set.dialogs[set.symbols[other]];
            ASSERT_EQ(d.controls.size(), base.controls.size()) << other.toStdString();
            for (int i = 0; i < d.controls.size(); ++i)
                EXPECT_EQ(d.controls[i].id, base.controls[i].id)
                    << other.toStdString() << " control " << i;
            EXPECT_EQ(d.caption, base.caption) << other.toStdString();
        }
        ++screens;
    }
    EXPECT_GT(screens, 0);
}

// The compiled resources the program embeds equal the script and header parsed now; a damaged
// compiled form is refused rather than read in part.
TEST(CompiledResources, EqualTheParsedScriptAndRefuseDamage) {
    const QString res = QStringLiteral(TREVALLION_SOURCE_DIR "/res/");
    const Outcome<ResourceSet> parsed =
        ParseResourceFiles(res + "resource.h", res + "trevallion.rc");
    ASSERT_TRUE(parsed.ok()) << parsed.error().text.toStdString();
    ASSERT_TRUE(LoadResources().ok());
    EXPECT_TRUE(Resources() == parsed.value());
    EXPECT_GT(parsed->dialogs.size(), 0);

    const QByteArray compiled = CompileResources(parsed.value());
    // The program's reader: each dialog template read when asked for, equal to the parsed one.
    CompiledResources lazy;
    ASSERT_TRUE(lazy.Open(compiled).ok());
    EXPECT_EQ(lazy.Menus(), parsed->menus);
    EXPECT_EQ(lazy.Strings(), parsed->strings);
    EXPECT_EQ(lazy.RawData(), parsed->rawData);
    for (const DialogTemplate& dialog : parsed->dialogs) {
        ASSERT_NE(lazy.Dialog(dialog.id), nullptr) << dialog.id;
        EXPECT_EQ(*lazy.Dialog(dialog.id), dialog);
        EXPECT_EQ(FindDialogTemplate(dialog.id), FindDialogTemplate(dialog.id)); // read once
    }
    EXPECT_EQ(lazy.Dialog(4242), nullptr);

    QByteArray otherVersion = compiled;
    otherVersion[4] = 1;
    for (const QByteArray& damaged :
         {compiled.left(compiled.size() / 2), compiled + '\0', otherVersion, QByteArray()}) {
        EXPECT_FALSE(ReadCompiledResources(damaged).ok()) << damaged.size();
        if (damaged.size() != compiled.size() + 1) { // the program's reader never reads the end
            EXPECT_FALSE(CompiledResources().Open(damaged).ok()) << damaged.size();
        }
    }
    EXPECT_EQ(ParseResourceFiles(res + "missing.h", res + "trevallion.rc").ok(), false);
}

} // namespace
