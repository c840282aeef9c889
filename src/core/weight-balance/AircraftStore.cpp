#include "core/weight-balance/AircraftStore.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"
#include "core/weight-balance/AircraftFileFormat.h"
#include "core/weight-balance/AircraftFileReader.h"
#include "core/weight-balance/AircraftFileWriter.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

const QString kFileName = QStringLiteral("aircraft.db");
const QString kSaveError = QStringLiteral("Error: Unable to save the aircraft data file.\n");
const QString kUnreadableText = QStringLiteral("Error: The aircraft data file could not be read: ");
const QString kDefaultsUsedText =
    QStringLiteral("\nThe default aircraft are used and the file is kept (as aircraft.db.bad once "
                   "the aircraft are saved).");
const QString kNoMoreIds = QStringLiteral("Error: No more aircraft ids are left.");

// Capacity after loading `count` elements into an array that started with `initial` places.
int LoadedCapacity(qsizetype count, int initial) {
    return count < initial ? initial : static_cast<int>(count) + AircraftStore::kGrowth;
}

template <typename List, typename Pred> auto FindIn(List& list, Pred pred) {
    const auto it = std::find_if(list.begin(), list.end(), pred);
    return it == list.end() ? nullptr : &*it;
}

} // namespace

AircraftStore::AircraftStore(QString dataFolder, QString programFolder)
    : dataFolder_(std::move(dataFolder)), programFolder_(std::move(programFolder)) {
    Reset();
}

void AircraftStore::Reset() {
    fleet_ = DefaultAircraftFleet();
    typeCapacity_ = kInitialTypeCapacity;
    aircraftCapacity_ = kInitialAircraftCapacity;
    refusedFileAtSavePath_ = false;
}

QString AircraftStore::FilePath() const {
    return QDir(dataFolder_.isEmpty() ? DataFolder() : dataFolder_).filePath(kFileName);
}

QString AircraftStore::FallbackFilePath() const {
    const QString folder = programFolder_.isEmpty() ? ProgramFolder() : programFolder_;
    return folder.isEmpty() ? QString() : QDir(folder).filePath(kFileName);
}

Status AircraftStore::LoadAircraftFile() {
    Reset();
    RemoveStaleSaveFiles(FilePath());
    bool atSavePath = true;
    Outcome<QByteArray> bytes = ReadWholeFile(FilePath(), {}, kMaxDataFileBytes);
    const QFileInfo file(FilePath());
    if (!bytes.ok() && (file.exists() || file.isSymLink())) {
        // There but unreadable (no permission, too large, not a file): told, and kept as it is.
        refusedFileAtSavePath_ = true;
        return Status::Fail(kUnreadableText + bytes.error().text + kDefaultsUsedText);
    }
    if (!bytes.ok() && !FallbackFilePath().isEmpty()) {
        atSavePath = false;
        bytes = ReadWholeFile(FallbackFilePath(), {}, kMaxDataFileBytes);
    }
    if (!bytes.ok())
        return {};
    Outcome<AircraftFileContents> contents = AircraftFileReader::Read(bytes.value());
    if (!contents.ok()) {
        refusedFileAtSavePath_ = atSavePath;
        return contents.error();
    }
    fleet_ = std::move(contents.value().fleet);
    typeCapacity_ = LoadedCapacity(fleet_.types.size(), kInitialTypeCapacity);
    aircraftCapacity_ = LoadedCapacity(fleet_.aircraft.size(), kInitialAircraftCapacity);
    fleet_.types.reserve(typeCapacity_);
    fleet_.aircraft.reserve(aircraftCapacity_);
    if (contents.value().version != kAircraftFileVersion)
        return SaveAircraftFile();
    return {};
}

// A refused file is replaced only once a copy of it is safe beside it.
Status AircraftStore::KeepRefusedFile() {
    if (!refusedFileAtSavePath_)
        return {};
    Status kept = ::KeepRefusedFile(FilePath(), kSaveError);
    if (kept)
        refusedFileAtSavePath_ = false;
    return kept;
}

Status AircraftStore::SaveAircraftFile() {
    Status kept = KeepRefusedFile();
    if (!kept.ok())
        return kept;
    return WriteWholeFile(FilePath(), AircraftFileWriter::Write(fleet_), kSaveError);
}

// The next id from a counter, or 0 when the counter has run out (never in practice).
int AircraftStore::TakeId(int& counter) {
    if (counter < 1 || counter == std::numeric_limits<int>::max())
        return 0;
    return counter++;
}

// Saves a change already made in memory; when the save fails the fleet goes back to `before`,
// so memory and file keep telling the same story.
Status AircraftStore::SaveOrRestore(AircraftFleet before) {
    Status saved = SaveAircraftFile();
    if (!saved.ok())
        fleet_ = std::move(before);
    return saved;
}

Status AircraftStore::AddAircraftType(AircraftType& type) {
    AircraftFleet before = fleet_;
    const int id = TakeId(fleet_.nextTypeId);
    if (id == 0)
        return Status::Fail(kNoMoreIds);
    if (fleet_.types.size() == typeCapacity_)
        typeCapacity_ += kGrowth;
    fleet_.types.reserve(typeCapacity_);
    AircraftType added = type;
    added.id = id;
    fleet_.types.append(added);
    Status saved = SaveOrRestore(std::move(before));
    if (saved.ok())
        type.id = id;
    return saved;
}

Status AircraftStore::AddAircraft(Aircraft& aircraft) {
    AircraftFleet before = fleet_;
    const int id = TakeId(fleet_.nextAircraftId);
    if (id == 0)
        return Status::Fail(kNoMoreIds);
    if (fleet_.aircraft.size() == aircraftCapacity_)
        aircraftCapacity_ += kGrowth;
    fleet_.aircraft.reserve(aircraftCapacity_);
    Aircraft added = aircraft;
    added.id = id;
    fleet_.aircraft.append(added);
    Status saved = SaveOrRestore(std::move(before));
    if (saved.ok())
        aircraft.id = id;
    return saved;
}

Status AircraftStore::UpdateAircraftType(const AircraftType& type) {
    AircraftFleet before = fleet_;
    AircraftType* found =
        FindIn(fleet_.types, [&](const AircraftType& t) { return t.id == type.id; });
    if (!found)
        return {};
    *found = type;
    return SaveOrRestore(std::move(before));
}

Status AircraftStore::UpdateAircraft(const Aircraft& aircraft) {
    AircraftFleet before = fleet_;
    Aircraft* found =
        FindIn(fleet_.aircraft, [&](const Aircraft& a) { return a.id == aircraft.id; });
    if (!found)
        return {};
    *found = aircraft;
    return SaveOrRestore(std::move(before));
}

Status AircraftStore::DeleteAircraft(int id) {
    AircraftFleet before = fleet_;
    if (fleet_.aircraft.removeIf([id](const Aircraft& a) { return a.id == id; }) == 0)
        return {};
    return SaveOrRestore(std::move(before));
}

Status AircraftStore::DeleteAircraftType(int id) {
    if (!FindAircraftType(id))
        return {};
    AircraftFleet before = fleet_;
    fleet_.aircraft.removeIf([id](const Aircraft& a) { return a.typeId == id; });
    fleet_.types.removeIf([id](const AircraftType& t) { return t.id == id; });
    return SaveOrRestore(std::move(before));
}

const AircraftType* AircraftStore::FindAircraftType(int id) const {
    return FindFleetType(fleet_, id);
}

const Aircraft* AircraftStore::FindAircraft(int id) const {
    return FindIn(fleet_.aircraft, [id](const Aircraft& a) { return a.id == id; });
}

const AircraftType* AircraftStore::FindAircraftTypeByName(const QString& name) const {
    return FindIn(fleet_.types, [&](const AircraftType& t) { return t.name == name; });
}

const Aircraft* AircraftStore::FindAircraftByIdent(const QString& ident) const {
    return FindFleetAircraft(fleet_, ident);
}

QList<AircraftTypeChoice> AircraftStore::AircraftTypeChoices() const {
    QList<AircraftTypeChoice> choices;
    for (const AircraftType& t : fleet_.types)
        choices.append({t.name, t.id});
    return choices;
}

QList<Aircraft> AircraftStore::AircraftOfType(int typeId) const {
    QList<Aircraft> list;
    for (const Aircraft& a : fleet_.aircraft) {
        if (a.typeId == typeId)
            list.append(a);
    }
    return list;
}
