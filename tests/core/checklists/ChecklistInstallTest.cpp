#include "ChecklistTestData.h"

#include "core/checklists/ChecklistData.h"
#include "core/checklists/ChecklistInstall.h"
#include "core/common/io/DeviceFolders.h"
#include "support/TempFolder.h"

#include <QDir>

namespace {

class ChecklistInstall : public ::testing::Test {
protected:
    void SetUp() override {
        SetDocumentsFolder(documents_.Path());
        SetProgramFolder(program_.Path());
    }
    void TearDown() override {
        SetDocumentsFolder(QString());
        SetProgramFolder(QString());
    }
    QString Shipped() const { return program_.File("checklist.db"); }

    TempFolder documents_;
    TempFolder program_;
};

TEST_F(ChecklistInstall, CopiesTheShippedFileWhenTheDataFolderHasNone) {
    const QByteArray shipped = ChecklistFileImage(SampleArea());
    WriteBytes(Shipped(), shipped);
    ASSERT_TRUE(InstallDefaultChecklists().ok());
    EXPECT_EQ(ReadBytes(ChecklistFilePath()), shipped);
    ChecklistData data;
    ASSERT_TRUE(data.LoadChecklists().ok());
    EXPECT_EQ(data.AircraftNames(), (QStringList{"Trainer", "Tourer"}));
}

TEST_F(ChecklistInstall, KeepsThePilotsOwnFile) {
    WriteBytes(Shipped(), ChecklistFileImage(SampleArea()));
    const QByteArray own = ChecklistFileImage(BuildArea({{0, "Mine"}}));
    ASSERT_TRUE(QDir().mkpath(DataFolder()));
    WriteBytes(ChecklistFilePath(), own);
    ASSERT_TRUE(InstallDefaultChecklists().ok());
    EXPECT_EQ(ReadBytes(ChecklistFilePath()), own);
}

TEST_F(ChecklistInstall, WithNothingShippedTheLoadReportsTheMissingFile) {
    ASSERT_TRUE(InstallDefaultChecklists().ok());
    EXPECT_FALSE(QFile::exists(ChecklistFilePath()));
    ChecklistData data;
    EXPECT_EQ(data.LoadChecklists().error().text, QString(kChecklistNotFoundText));
}

TEST_F(ChecklistInstall, AFailedCopyIsReportedAndLeavesNoFile) {
    WriteBytes(Shipped(), ChecklistFileImage(SampleArea()));
    WriteBytes(documents_.File("Orvenda"), "a file where the folder should be");
    const Status installed = InstallDefaultChecklists();
    ASSERT_FALSE(installed.ok());
    EXPECT_TRUE(installed.error().text.startsWith(kChecklistSaveFailedText));
    EXPECT_FALSE(QFile::exists(ChecklistFilePath()));
}

} // namespace
