// The resource parsers on scripts of their own; ids here are parser test data.
#include "core/common/resources/ResourceScript.h"
#include "core/common/resources/ResourceBinary.h"
#include "core/common/resources/Resources.h"
#include "resource.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

Status Parse(const QString& header, const QString& script, ResourceSet* set) {
    set->symbols = PredefinedResourceSymbols();
    if (const Status symbols = ParseResourceHeader(header, "resource.h", &set->symbols); !symbols)
        return symbols;
    return ParseResourceScript(script, "trevallion.rc", set);
}

// The failure's text starts with the file and the line and holds the message.
void ExpectFailure(const Status& parsed, const QString& where, const char* message,
                   const char* script) {
    ASSERT_FALSE(parsed.ok()) << script;
    EXPECT_TRUE(parsed.error().text.startsWith(where + ": "))
        << script << " -> " << parsed.error().text.toStdString();
    EXPECT_TRUE(parsed.error().text.contains(message))
        << script << " -> " << parsed.error().text.toStdString();
}

const char* kHeader = "// ids\n#define IDD_TEST 118\n#define IDC_WIND 1001\n"
                      "#define IDC_GO 1043\n#define ID_FILE_EXIT 32853\n#define IDS_HELLO 57344\n";

TEST(ResourceScript, ParsesDialogsMenusAndStrings) {
    const QString script = R"(#include "resource.h"
IDD_TEST DIALOGEX 0, 0, 160, 170
STYLE WS_BORDER | WS_VISIBLE
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
    const Status parsed = Parse(kHeader, script, &set);
    ASSERT_TRUE(parsed.ok()) << parsed.error().text.toStdString();
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
        ExpectFailure(Parse(kHeader, c.script, &set),
                      QStringLiteral("trevallion.rc:%1").arg(c.line), c.message, c.script);
    }
}

// A style name must be one the program knows, wherever a style stands: a typo or a flag that no
// control reads is refused with its line, and NOT or a number are no way around it.
TEST(ResourceScript, RefusesStylesItDoesNotKnow) {
    const struct {
        const char* control;
        bool accepted;
    } cases[] = {
        {"EDITTEXT 5, 1, 2, 3, 4, ES_AUTOHSCROLL | WS_TABSTOP", true},
        {"EDITTEXT 5, 1, 2, 3, 4, ES_AUTOHSCROL | WS_TABSTOP", false}, // a typo
        {"LISTBOX 5, 1, 2, 3, 4, LBS_SORT", false},                    // a flag nothing knows
        {"EDITTEXT 5, 1, 2, 3, 4, NOT WS_VISIBLE | 0x80", true},
        {"EDITTEXT 5, 1, 2, 3, 4, NOT WS_VISBLE", false},
        {"CONTROL \"\", 5, \"Button\", BS_OWNERDRAW, 1, 2, 3, 4", true},
        {"CONTROL \"\", 5, \"Button\", BS_OWNERDRAWN, 1, 2, 3, 4", false},
        {"EDITTEXT 5, 1, 2, 3, 4, ES_READONLY, WS_EX_CLIENTEDGE", false}, // the extended styles
    };
    for (const auto& c : cases) {
        const QString script =
            QStringLiteral("118 DIALOGEX 0, 0, 1, 1\nBEGIN\n  %1\nEND\n").arg(c.control);
        ResourceSet set;
        const Status parsed = Parse(kHeader, script, &set);
        if (c.accepted)
            EXPECT_TRUE(parsed.ok()) << c.control << " -> " << parsed.error().text.toStdString();
        else
            ExpectFailure(parsed, "trevallion.rc:3", "unknown style", c.control);
    }
    ResourceSet set;
    ExpectFailure(Parse(kHeader, "118 DIALOGEX 0, 0, 1, 1\nSTYLE WS_POPUPP\nBEGIN\nEND\n", &set),
                  "trevallion.rc:2", "unknown style 'WS_POPUPP'", "STYLE");
}

TEST(ResourceHeader, ReportsMalformedLines) {
    QMap<QString, int> symbols;
    ExpectFailure(ParseResourceHeader("#define A 1\nint x;\n", "resource.h", &symbols),
                  "resource.h:2", "expected #define", "int x;");
    symbols.clear();
    ExpectFailure(ParseResourceHeader("#define A 1\n#define A 2\n", "resource.h", &symbols),
                  "resource.h:2", "defined twice", "A twice");
    symbols.clear();
    ASSERT_TRUE(
        ParseResourceHeader("#define A 0x10\n#define B A\n#define C -1\n", "resource.h", &symbols)
            .ok());
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
