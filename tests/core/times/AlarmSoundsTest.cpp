// The timers' sounds: which files can be played, the shipped default, "Repeat" as three plays
// one tick apart, and a file that cannot be played reported once.
#include "core/times/AlarmSounds.h"
#include "core/common/io/DeviceFolders.h"
#include "core/times/CountTimer.h"
#include "core/times/WaveFile.h"
#include "support/SampleWaveFile.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using namespace timer_options;

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(WaveFile, OnlyReadableWaveFilesOfSensibleSizeArePlayable) {
    TempFolder folder;
    ASSERT_TRUE(WriteSampleWaveFile(folder.File("good.wav")));
    ASSERT_TRUE(WriteBytes(folder.File("empty.wav"), {}));
    ASSERT_TRUE(WriteBytes(folder.File("text.wav"), "just some text, not a sound"));
    ASSERT_TRUE(WriteBytes(folder.File("avi.wav"), QByteArray("RIFF\x10\0\0\0AVI LIST", 16)));
    QFile huge(folder.File("huge.wav"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.write("RIFF\0\0\0\0WAVE", 12) == 12 &&
                huge.resize(kMaxWaveFileBytes + 1));
    huge.close();
    const struct {
        QString path;
        bool playable;
        const char* reason;
    } cases[] = {
        {folder.File("good.wav"), true, ""},
        {folder.File("missing.wav"), false, "The file does not exist."},
        {folder.Path(), false, "It is a folder."},
        {folder.File("empty.wav"), false, "It is not a wave (.wav) file."},
        {folder.File("text.wav"), false, "It is not a wave (.wav) file."},
        {folder.File("avi.wav"), false, "It is not a wave (.wav) file."},
        {folder.File("huge.wav"), false, "larger than"},
        {QString(), false, "No sound file is chosen."},
    };
    for (const auto& c : cases) {
        const Status status = CheckWaveFile(c.path);
        EXPECT_EQ(status.ok(), c.playable) << c.path.toStdString();
        if (!c.playable) {
            EXPECT_TRUE(status.error().text.contains(c.reason))
                << status.error().text.toStdString();
            EXPECT_TRUE(status.error().text.contains(c.path)) << c.path.toStdString();
        }
    }
}

class AlarmSoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = ProgramFolder();
        SetProgramFolder(program.Path());
        ASSERT_TRUE(QDir(program.Path()).mkpath("sounds"));
        ASSERT_TRUE(WriteSampleWaveFile(DefaultAlarmSound()));
        ASSERT_TRUE(WriteSampleWaveFile(folder.File("bell.wav")));
    }
    void TearDown() override { SetProgramFolder(saved_); }

    static CountTimer SoundingTimer(int index, const QString& sound, uint32_t options = 0) {
        CountTimer timer(index);
        timer.SetOptions(kCountDown | kPlaySound | options);
        timer.SetSound(sound);
        return timer;
    }

    TempFolder program;
    TempFolder folder;
    AlarmSounds alarms;

private:
    QString saved_;
};

TEST_F(AlarmSoundsTest, RepeatPlaysThreeTicksInARowOthersOnce) {
    alarms.Schedule(SoundingTimer(0, folder.File("bell.wav"), kRepeat));
    alarms.Schedule(SoundingTimer(1, QString())); // no file chosen: the shipped alarm
    const QStringList both{folder.File("bell.wav"), DefaultAlarmSound()};
    const QStringList bell{folder.File("bell.wav")};
    const QList<QStringList> expected = {both, bell, bell, {}};
    for (const QStringList& plays : expected) {
        const AlarmSounds::Due due = alarms.TakeDue();
        EXPECT_EQ(due.playable, plays);
        EXPECT_TRUE(due.reports.isEmpty());
    }
    EXPECT_FALSE(alarms.HasPending());
}

TEST_F(AlarmSoundsTest, PassingZeroAgainStartsThePlaysAfresh) {
    const CountTimer timer = SoundingTimer(2, folder.File("bell.wav"), kRepeat);
    alarms.Schedule(timer);
    (void)alarms.TakeDue();
    alarms.Schedule(timer); // a restarting 0:00 timer passes zero on every tick
    int plays = 0;
    while (alarms.HasPending())
        plays += static_cast<int>(alarms.TakeDue().playable.size());
    EXPECT_EQ(plays, AlarmSounds::kRepeatPlays);
}

TEST_F(AlarmSoundsTest, AFileThatCannotBePlayedIsReportedOnceAndNeverPlayed) {
    const CountTimer timer = SoundingTimer(3, folder.File("gone.wav"), kRepeat);
    alarms.Schedule(timer);
    AlarmSounds::Due due = alarms.TakeDue();
    EXPECT_TRUE(due.playable.isEmpty());
    ASSERT_EQ(due.reports.size(), 1);
    EXPECT_TRUE(due.reports[0].text.contains(folder.File("gone.wav")));
    EXPECT_FALSE(alarms.HasPending()); // no further tries this time
    alarms.Schedule(timer);
    due = alarms.TakeDue();
    EXPECT_TRUE(due.playable.isEmpty());
    EXPECT_TRUE(due.reports.isEmpty()); // told once a run
}

} // namespace
