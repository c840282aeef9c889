// Which navigation file opens at start, and the texts that name it.
#include "NavTestData.h"

#include "core/navdata/NavFileChoice.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/settings/MemorySettingsStore.h"

namespace {

class NavFileChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = ProgramFolder();
        SetDocumentsFolder(documents.Path());
        SetProgramFolder(program.Path());
    }
    void TearDown() override {
        SetDocumentsFolder(QString());
        SetProgramFolder(saved_);
    }
    static void Touch(const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    TempFolder documents;
    TempFolder program;
    MemorySettingsStore settings;

private:
    QString saved_;
};

TEST_F(NavFileChoiceTest, ChosenFileThenDefaultThenShipped) {
    const QString shipped = program.File("world.nav");
    EXPECT_EQ(ShippedNavFilePath(), shipped);
    // Nothing anywhere: the default file (whose failure is then reported).
    EXPECT_EQ(ChooseStartNavFile(settings).path, DefaultNavFilePath());
    Touch(shipped);
    StartNavFile start = ChooseStartNavFile(settings);
    EXPECT_EQ(start.path, shipped);
    EXPECT_FALSE(start.chosenByUser);
    Touch(DefaultNavFilePath());
    EXPECT_EQ(ChooseStartNavFile(settings).path, DefaultNavFilePath());
    // A chosen file wins even when it is missing.
    settings.WriteText("AirportFile", documents.File("gone.nav"));
    start = ChooseStartNavFile(settings);
    EXPECT_EQ(start.path, documents.File("gone.nav"));
    EXPECT_TRUE(start.chosenByUser);
}

TEST(NavFileTexts, TitleValidityAndStartFailure) {
    EXPECT_EQ(NavFileTitleText(true, "Washington State"), "Airport file: Washington State");
    EXPECT_EQ(NavFileTitleText(false, "stale"), "Airport file: { no file loaded }");
    const QLocale c = QLocale::c();
    const uint32_t packed = (2006u << 16) | (31u << 8) | 12u;
    EXPECT_EQ(ValidUntilText(packed, c),
              "Valid until " + c.toString(QDate(2006, 12, 31), QLocale::ShortFormat));
    EXPECT_EQ(ValidUntilText(0, c), "");
    const Message failure = StartNavFileFailure(
        "/x/usa.nav", {"Error:\nUnable to open Airport file.\nNo such file", MessageIcon::Error});
    EXPECT_TRUE(failure.text.startsWith("Error:\nUnable to open Airport file.\nNo such file\n"));
    EXPECT_TRUE(failure.text.contains("/x/usa.nav"));
    EXPECT_TRUE(failure.text.contains("Preferences"));
    EXPECT_TRUE(failure.text.contains("trevallion-data nav build"));
    EXPECT_EQ(failure.icon, MessageIcon::Error);
}

} // namespace
