// The dialog base on the framework's own templates; ids here are test template data.
#include "TestTemplates.h"

#include "core/common/settings/SettingsSchema.h"
#include "support/ScriptedPlatform.h"
#include "ui/framework/CalcDialog.h"
#include "ui/framework/DialogUnits.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "resource.h"

namespace {

class CalcDialogTest : public TestTemplatesFixture {};

constexpr LayoutTriple kTriple{118, 178, 209};

QRect TemplateRect(int templateId, int controlId) {
    return ControlPixelRect(*Resources().dialogs[templateId].Control(controlId));
}

TEST_F(CalcDialogTest, SquareScreenUsesSquareTemplateAndHidesKeypadAndCloseButtons) {
    ScriptedPlatform platform(QSize(240, 240));
    CCalcDialog dialog(kTriple);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.CreatedTemplateId(), IDD_GROUND_SPEED_S);
    for (int id : CCalcDialog::kKeypadIds) {
        EXPECT_TRUE(dialog.GetDlgItem(id)->isHidden()) << id;
        EXPECT_FALSE(dialog.GetDlgItem(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(dialog.GetDlgItem(IDC_KEY_BLANK)->isHidden());
    // The keypad frame (the first -1 after the keypad) is hidden, the control after it is not.
    EXPECT_FALSE(dialog.GetDlgItem(1020)->isHidden());
    EXPECT_FALSE(dialog.GetDlgItem(-1)->isHidden()); // the "Speed:" label before the keypad
    for (int id : {1, 2, IDC_CLOSE})
        EXPECT_TRUE(dialog.GetDlgItem(id)->isHidden()) << id;
    QPushButton* cancel = nullptr;
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->property("controlId").toInt() == 160)
            cancel = b;
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(cancel->geometry(), QRect(188, 1, 50, 18));
    EXPECT_FALSE(cancel->isHidden());
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), kIdCancel);
}

TEST_F(CalcDialogTest, NoCancelFlagSuppressesTheSquareCancel) {
    ScriptedPlatform platform(QSize(240, 240));
    CCalcDialog dialog(kTriple);
    dialog.SetNoCancel(true);
    ASSERT_TRUE(dialog.Create());
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        EXPECT_NE(b->property("controlId").toInt(), 160);
}

TEST_F(CalcDialogTest, LayoutFollowsTheScreenWidth) {
    const struct {
        QSize screen;
        int templateId;
    } cases[] = {{{320, 240}, 178}, {{240, 320}, 118}, {{640, 480}, 118}};
    for (const auto& c : cases) {
        ScriptedPlatform platform(c.screen);
        CCalcDialog dialog(kTriple);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.CreatedTemplateId(), IDD_GROUND_SPEED_P);
        EXPECT_EQ(dialog.CurrentLayoutId(), c.templateId) << c.screen.width();
        for (int id : {kFieldA, kCalculate, IDC_KEY_1, 1})
            EXPECT_EQ(dialog.GetDlgItem(id)->geometry(), TemplateRect(c.templateId, id)) << id;
        EXPECT_EQ(dialog.size(), c.screen);
    }
}

TEST_F(CalcDialogTest, TurningTheScreenRelaysTheSameWidgetsOut) {
    ScriptedPlatform platform(QSize(240, 320));
    CCalcDialog dialog(kTriple);
    ASSERT_TRUE(dialog.Create());
    QWidget* field = dialog.GetDlgItem(kFieldA);
    platform.screen.SetOrientation(DeviceScreen::Angle90);
    EXPECT_EQ(dialog.GetDlgItem(kFieldA), field);
    EXPECT_EQ(field->geometry(), TemplateRect(IDD_GROUND_SPEED_L, kFieldA));
    // Every -1 label moves too, matched by its place in the template.
    EXPECT_EQ(dialog.ControlsInOrder().first()->geometry(),
              DialogRectToPixels(Resources().dialogs[178].controls.first().rect));
    platform.screen.SetOrientation(DeviceScreen::Angle0);
    EXPECT_EQ(field->geometry(), TemplateRect(IDD_GROUND_SPEED_P, kFieldA));
}

TEST_F(CalcDialogTest, KeypadTypesIntoTheFocusedField) {
    ScriptedPlatform platform;
    CCalcDialog dialog(kTriple);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    QLineEdit* field = dialog.Edit(kFieldA);

    dialog.PressKeypad(IDC_KEY_5); // no focused field yet: nothing happens
    EXPECT_EQ(dialog.FocusEditId(), 0);
    EXPECT_TRUE(field->text().isEmpty());

    field->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dialog.FocusEditId(), kFieldA);
    for (int id : {IDC_KEY_1, IDC_KEY_0, IDC_KEY_POINT, IDC_KEY_5})
        QTest::mouseClick(dialog.Button(id), Qt::LeftButton);
    EXPECT_EQ(field->text(), QStringLiteral("10.5"));
    QTest::mouseClick(dialog.Button(IDC_KEY_CE), Qt::LeftButton);
    EXPECT_EQ(field->text(), QStringLiteral("10."));
    QTest::mouseClick(dialog.Button(IDC_KEY_C), Qt::LeftButton);
    EXPECT_EQ(field->text(), QString());
}

TEST_F(CalcDialogTest, FullFieldIgnoresDigitsButCeStillDeletes) {
    ScriptedPlatform platform;
    CCalcDialog dialog(kTriple);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    dialog.SetEditDouble(kFieldA, 12345.5);
    QLineEdit* field = dialog.Edit(kFieldA);
    EXPECT_EQ(field->text(), QStringLiteral("12345.5"));
    EXPECT_EQ(field->maxLength(), 7);
    field->setFocus();
    QApplication::processEvents();
    dialog.PressKeypad(IDC_KEY_5);
    EXPECT_EQ(field->text(), QStringLiteral("12345.5"));
    dialog.PressKeypad(IDC_KEY_CE);
    EXPECT_EQ(field->text(), QStringLiteral("12345."));
}

TEST_F(CalcDialogTest, ComboFieldsReportFocusToo) {
    ScriptedPlatform platform;
    CCalcDialog dialog(kTriple);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    dialog.Combo(kFieldB)->lineEdit()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dialog.FocusEditId(), kFieldB);
    dialog.PressKeypad(IDC_KEY_9);
    EXPECT_EQ(dialog.GetDlgItemText(kFieldB), QStringLiteral("9"));
}

TEST_F(CalcDialogTest, MessagesAreTitledWithTheCaption) {
    ScriptedPlatform platform;
    platform.messageAnswers = {kIdCancel};
    CCalcDialog dialog(kTriple);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Caption(), QStringLiteral("Heading && Time"));
    EXPECT_EQ(dialog.ShowMessage("Invalid", MessageButtons::OkCancel), kIdCancel);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Heading & Time"));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Heading & Time"));
}

TEST_F(CalcDialogTest, ContextHelpOpensTheCaptionWithoutSpaces) {
    ScriptedPlatform platform;
    CCalcDialog dialog(kTriple);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(platform.helpTopics, QStringList{"Heading&&Time"});
}

// On a touchscreen a dialog's help opens from the "?" in its title band, on every shape, beside
// the square screen's Cancel rather than under it.
TEST_F(CalcDialogTest, TheTitleBandsQuestionMarkOpensTheHelpTopic) {
    for (const QSize screen : {QSize(240, 320), QSize(320, 240), QSize(240, 240)}) {
        ScriptedPlatform platform(screen);
        CCalcDialog dialog(kTriple);
        ASSERT_TRUE(dialog.Create());
        dialog.show();
        QToolButton* help = nullptr;
        for (QToolButton* b : dialog.findChildren<QToolButton*>())
            if (b->property("controlId").toInt() == CCalcDialog::kHelpButton)
                help = b;
        ASSERT_NE(help, nullptr) << screen.width();
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->text(), "?");
        EXPECT_LE(help->geometry().bottom(), 20);
        EXPECT_LE(help->geometry().right(), screen.width() - 1);
        for (const QPushButton* b : dialog.findChildren<QPushButton*>()) {
            if (b->isVisible()) {
                EXPECT_FALSE(b->geometry().intersects(help->geometry())) << screen.width();
            }
        }
        QTest::mouseClick(help, Qt::LeftButton);
        EXPECT_EQ(platform.helpTopics, QStringList{"Heading&&Time"}) << screen.width();
    }
}

TEST_F(CalcDialogTest, NumberFieldsAndRememberedValues) {
    ScriptedPlatform platform;
    platform.settings.WriteText("Track.TAS", "120");
    CCalcDialog dialog(kTriple);
    ASSERT_TRUE(dialog.Create());
    dialog.RestoreLastValue(setting::kTrackTas, kFieldA);
    dialog.RestoreLastValue(setting::kTrackDistance, kFieldB); // none stored
    EXPECT_EQ(dialog.GetDlgItemText(kFieldA), QStringLiteral("120"));
    EXPECT_DOUBLE_EQ(dialog.GetEditDouble(kFieldA), 120.0);
    dialog.SetDlgItemText(kFieldA, "abc");
    EXPECT_DOUBLE_EQ(dialog.GetEditDouble(kFieldA), 0.0);
    dialog.SetEditDouble(kFieldA, 0.25);
    EXPECT_EQ(dialog.GetDlgItemText(kFieldA), QStringLiteral("0.2")); // printf's "%.1f"
    dialog.SaveLastValue(setting::kTrackTas, kFieldA);
    EXPECT_EQ(platform.settings.ReadText("Track.TAS"), QStringLiteral("0.2"));
}

TEST_F(CalcDialogTest, ButtonsReachBoundHandlersAndRadioGroupsExclude) {
    ScriptedPlatform platform;
    CCalcDialog dialog(kTriple);
    ASSERT_TRUE(dialog.Create());
    int calculated = 0;
    dialog.Bind(kCalculate, [&] { ++calculated; });
    QTest::mouseClick(dialog.Button(kCalculate), Qt::LeftButton);
    EXPECT_EQ(calculated, 1);
    dialog.CheckDlgButton(1010, true);
    dialog.CheckDlgButton(1011, true);
    EXPECT_FALSE(dialog.IsDlgButtonChecked(1010));
    EXPECT_TRUE(dialog.IsDlgButtonChecked(1011));
}

TEST_F(CalcDialogTest, ModalRunGoesThroughThePlatform) {
    ScriptedPlatform platform;
    platform.dialogScripts.append([](QDialog* d) {
        auto* dialog = static_cast<CCalcDialog*>(d);
        dialog->SetDlgItemText(kFieldA, "42");
        QTest::mouseClick(dialog->Button(1), Qt::LeftButton);
        return dialog->result();
    });
    CCalcDialog dialog(kTriple);
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_EQ(dialog.GetDlgItemText(kFieldA), QStringLiteral("42"));
    EXPECT_EQ(platform.modalTitles, QStringList{"Heading & Time"});
}

TEST_F(CalcDialogTest, MissingTemplateFailsCleanly) {
    ScriptedPlatform platform;
    CCalcDialog dialog(LayoutTriple{999, 0, 0});
    EXPECT_FALSE(dialog.Create());
    EXPECT_TRUE(dialog.CreateError().contains("999"));
    EXPECT_EQ(dialog.DoModal(), kIdCancel);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
}

} // namespace
