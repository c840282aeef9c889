#include "TestTemplates.h"
#include "resource.h"

#include "support/ScriptedPlatform.h"
#include "ui/framework/CalcDialog.h"
#include "ui/framework/LatLonEdit.h"
#include "ui/framework/TimeEdit.h"

#include <QApplication>
#include <QTest>

namespace {

constexpr int32_t k45_30_45 = 45 * 3600 + 30 * 60 + 45;

// Shows a field on its own, wide enough for any mask, with the focus.
template <typename Field> struct ShownField {
    ScriptedPlatform platform;
    Field field;
    ShownField() {
        field.resize(160, 24);
        field.show();
        field.activateWindow();
        field.setFocus();
        QApplication::processEvents();
    }
};

// The x of the centre of character `index`: where the nearest caret turns from index to
// index + 1.
int CharacterCentreX(QLineEdit& field, int index) {
    const int y = field.height() / 2;
    for (int x = 0; x < field.width(); ++x)
        if (field.cursorPositionAt(QPoint(x, y)) > index)
            return x;
    return field.width() - 1;
}

void Tap(QLineEdit& field, int x) {
    QTest::mouseClick(&field, Qt::LeftButton, Qt::NoModifier, QPoint(x, field.height() / 2));
}

TEST(LatLonEdit, TypingFillsTheSegmentsAndMovesOn) {
    const struct {
        const char* typed;
        const char* shown;
        int current;
    } cases[] = {
        {"453012", "45:30.12", 2},
        {"95", "05:00.00", 1},  // 95 > 89: the degrees restart with 5 and input moves on
        {"4", "04:00.00", 0},   // one digit stays in the degrees
        {"45:", "45:00.00", 1}, // ":" is refused
        {"45306", "45:30.06", 2},
    };
    for (const auto& c : cases) {
        ShownField<CLatLonEdit> f;
        QTest::keyClicks(&f.field, c.typed);
        EXPECT_EQ(f.field.text(), QString(c.shown)) << c.typed;
        EXPECT_EQ(f.field.CurrentSegment(), c.current) << c.typed;
        // The current segment is selected after every change.
        const SegmentMask& mask = f.field.Mask();
        EXPECT_EQ(f.field.selectionStart(), mask.Start(c.current)) << c.typed;
        EXPECT_EQ(f.field.selectedText(), mask.Texts()[c.current]) << c.typed;
    }
}

TEST(LatLonEdit, LongitudeTakesThreeDegreeDigits) {
    ShownField<CLatLonEdit> f;
    f.field.SetLongitude();
    EXPECT_EQ(f.field.text(), QStringLiteral("000:00.00"));
    QTest::keyClicks(&f.field, "1795959");
    EXPECT_EQ(f.field.text(), QStringLiteral("179:59.59"));
    f.field.SetSecondsForm(true);
    f.field.SetFromText(QStringLiteral("179:59:59"));
    EXPECT_EQ(f.field.text(), QStringLiteral("179:59:59"));
    EXPECT_EQ(f.field.SecondsOfArc(), 179 * 3600 + 59 * 60 + 59);
    EXPECT_DOUBLE_EQ(f.field.DecimalDegrees(),
                     179 + 59 * 0.016666666666666666 + 59 * 0.0002777777777777778);
}

TEST(LatLonEdit, ArrowsStepWithWrapAndBackspaceZeroes) {
    ShownField<CLatLonEdit> f;
    f.field.SetFromText(QStringLiteral("00:59:50"));
    QTest::keyClick(&f.field, Qt::Key_Down); // degrees 00 -> 89
    EXPECT_EQ(f.field.text(), QStringLiteral("89:59.50"));
    QTest::keyClick(&f.field, Qt::Key_Right);
    QTest::keyClick(&f.field, Qt::Key_Up); // minutes 59 -> 00
    EXPECT_EQ(f.field.text(), QStringLiteral("89:00.50"));
    QTest::keyClick(&f.field, Qt::Key_Space);
    QTest::keyClick(&f.field, Qt::Key_Backspace);
    EXPECT_EQ(f.field.text(), QStringLiteral("89:00.00"));
    EXPECT_EQ(f.field.CurrentSegment(), 2);
    f.field.SetLongitude();
    QTest::keyClick(&f.field, Qt::Key_Up); // 89 -> 90 once the range is 0-179
    EXPECT_EQ(f.field.text(), QStringLiteral("090:00.00"));
    QTest::keyClick(&f.field, Qt::Key_Delete);
    QTest::keyClick(&f.field, Qt::Key_Down);
    EXPECT_EQ(f.field.text(), QStringLiteral("179:00.00"));
}

TEST(LatLonEdit, NavigationWrapsBothWays) {
    ShownField<CLatLonEdit> f;
    const struct {
        Qt::Key key;
        int current;
    } steps[] = {{Qt::Key_Left, 2},  {Qt::Key_Left, 1},  {Qt::Key_Right, 2},
                 {Qt::Key_Space, 0}, {Qt::Key_Right, 1}, {Qt::Key_Home, 1}};
    for (const auto& s : steps) {
        QTest::keyClick(&f.field, s.key);
        EXPECT_EQ(f.field.CurrentSegment(), s.current) << s.key;
        EXPECT_EQ(f.field.selectedText(), QStringLiteral("00")) << s.key;
    }
}

TEST(LatLonEdit, SecondsOfArcAndFormSwitching) {
    ShownField<CLatLonEdit> f;
    f.field.SetSecondsOfArc(-k45_30_45); // the hemisphere is the dialog's business
    EXPECT_EQ(f.field.text(), QStringLiteral("45:30.75"));
    EXPECT_EQ(f.field.SecondsOfArc(), k45_30_45);
    f.field.SetSecondsForm(true);
    EXPECT_EQ(f.field.text(), QStringLiteral("45:30:45"));
    f.field.SetSecondsForm(true); // already in that form: nothing changes
    EXPECT_EQ(f.field.text(), QStringLiteral("45:30:45"));

    f.field.SetSecondsForm(false);
    f.field.SetFromText(QStringLiteral("10:20:99"));
    f.field.SetSecondsForm(true); // 99 hundredths -> 59 s
    EXPECT_EQ(f.field.text(), QStringLiteral("10:20:59"));
    f.field.SetSecondsForm(false); // 59 s -> 98 hundredths
    EXPECT_EQ(f.field.text(), QStringLiteral("10:20.98"));
}

TEST(LatLonEdit, OutOfRangeAndMalformedTextsChangeNothingThere) {
    ShownField<CLatLonEdit> f;
    f.field.SetFromText(QStringLiteral("12:34:56"));
    EXPECT_FALSE(f.field.SetFromText(QStringLiteral("50:10")));   // one ":" only
    EXPECT_TRUE(f.field.SetFromText(QStringLiteral("95:70:05"))); // 95 and 70 are ignored
    EXPECT_EQ(f.field.text(), QStringLiteral("12:34.05"));
    f.field.SetSecondsOfArc(95 * 3600); // 95 degrees do not fit a latitude
    EXPECT_EQ(f.field.text(), QStringLiteral("12:00.00"));
}

TEST(LatLonEdit, TextFromOutsideIsTakenIntoTheSegments) {
    ShownField<CLatLonEdit> f;
    f.field.setText(QStringLiteral("12:34.56"));
    EXPECT_EQ(f.field.SecondsOfArc(), 12 * 3600 + 34 * 60 + 34);
    f.field.clear(); // the keypad's "C"
    EXPECT_EQ(f.field.text(), QStringLiteral("00:00.00"));
    EXPECT_EQ(f.field.SecondsOfArc(), 0);
    f.field.setText(QStringLiteral("nonsense")); // ignored, the mask stays
    EXPECT_EQ(f.field.text(), QStringLiteral("00:00.00"));
}

TEST(LatLonEdit, TapSelectsTheSegmentUnderTheCharacter) {
    ShownField<CLatLonEdit> f; // "00:00.00"
    const struct {
        int character;
        int segment;
    } taps[] = {{0, 0}, {1, 0}, {2, 1}, {4, 1}, {5, 2}, {7, 2}};
    for (const auto& t : taps) {
        // Either half of the character selects the same segment.
        for (int dx : {-1, 1}) {
            Tap(f.field, CharacterCentreX(f.field, t.character) + dx);
            EXPECT_EQ(f.field.CurrentSegment(), t.segment) << t.character << " " << dx;
            EXPECT_EQ(f.field.selectedText(), QStringLiteral("00")) << t.character;
        }
    }
    Tap(f.field, 2); // before the text
    EXPECT_EQ(f.field.CurrentSegment(), 0);
    Tap(f.field, f.field.width() - 4); // beyond the end
    EXPECT_EQ(f.field.CurrentSegment(), 2);
    // Double taps and drags do not select anything else.
    QTest::mouseDClick(&f.field, Qt::LeftButton, Qt::NoModifier,
                       QPoint(CharacterCentreX(f.field, 0), f.field.height() / 2));
    QTest::mouseMove(&f.field, QPoint(CharacterCentreX(f.field, 7), f.field.height() / 2));
    EXPECT_EQ(f.field.selectedText(), QStringLiteral("00"));
}

TEST(SegmentEdit, BadConfigurationLeavesTheFieldAlone) {
    ShownField<CSegmentEdit> f;
    EXPECT_FALSE(f.field.IsConfigured());
    QTest::keyClicks(&f.field, "12"); // no segments: nothing is typed
    EXPECT_TRUE(f.field.text().isEmpty());
    ASSERT_TRUE(f.field.Configure({"AA", "B", "CCC"}, {"-", "/"}, "[", "]"));
    EXPECT_EQ(f.field.text(), QStringLiteral("[AA-B/CCC]"));
    EXPECT_FALSE(f.field.Configure({"AA"}, {"-"}));
    EXPECT_FALSE(f.field.SetSegmentTexts({"x", "y"}));
    QTest::keyClicks(&f.field, "12"); // the base field refuses characters
    EXPECT_EQ(f.field.text(), QStringLiteral("[AA-B/CCC]"));
    f.field.SelectSegment(2);
    EXPECT_EQ(f.field.selectedText(), QStringLiteral("CCC"));
}

TEST(TimeEdit, TypingArrowsAndWrap) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"1430", "14:30"}, {"30", "00:00"}, {"2", "02:00"}, {"0975", "09:05"}};
    for (const auto& c : cases) {
        ShownField<CTimeEdit> f;
        QTest::keyClicks(&f.field, c.typed);
        EXPECT_EQ(f.field.text(), QString(c.shown)) << c.typed;
    }
    ShownField<CTimeEdit> f;
    f.field.SetTime(23, 0);
    QTest::keyClick(&f.field, Qt::Key_Up);
    EXPECT_EQ(f.field.text(), QStringLiteral("00:00"));
    f.field.SetTime(24, 61); // both out of range: ignored
    EXPECT_EQ(f.field.Hours(), 0);
    f.field.setText(QStringLiteral("7:45"));
    EXPECT_EQ(f.field.Hours(), 7);
    EXPECT_EQ(f.field.Minutes(), 45);
    EXPECT_EQ(f.field.text(), QStringLiteral("07:45"));
}

// A keypad dialog whose first field is a time field: the keypad reaches its segments.
class TimeKeypadDialog : public CCalcDialog {
public:
    TimeKeypadDialog()
        : CCalcDialog(LayoutTriple{IDD_GROUND_SPEED_P, IDD_GROUND_SPEED_L, IDD_GROUND_SPEED_S}) {}

protected:
    QWidget* CreateControl(const ControlTemplate& control) override {
        return control.id == kFieldA ? new CTimeEdit(Host()) : nullptr;
    }
};

class SegmentKeypadTest : public TestTemplatesFixture {};

TEST_F(SegmentKeypadTest, KeypadTypesIntoTheSegments) {
    ScriptedPlatform platform;
    TimeKeypadDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    auto* field = dialog.Item<CTimeEdit>(kFieldA);
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QApplication::processEvents();
    for (int id : {IDC_KEY_1, IDC_KEY_4, IDC_KEY_COLON, IDC_KEY_3, IDC_KEY_0}) // 1 4 : 3 0
        dialog.PressKeypad(id);
    EXPECT_EQ(field->text(), QStringLiteral("14:30"));
    dialog.PressKeypad(IDC_KEY_CE); // CE zeroes the minutes
    EXPECT_EQ(field->text(), QStringLiteral("14:00"));
    dialog.PressKeypad(IDC_KEY_C); // C clears the whole field
    EXPECT_EQ(field->text(), QStringLiteral("00:00"));
    EXPECT_EQ(field->Hours(), 0);
}

} // namespace
