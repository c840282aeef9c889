#pragma once
// The fleet the document owns for the whole run: aircraft types and aircraft, loaded once from
// aircraft.db and written back whole after every change. Callers get copies or const access;
// every change goes through the operations below, each of which saves the file.
//
// The file lives in the data folder; when it cannot be opened there, the program folder's copy
// is read instead. Saves always go to the data folder.

#include "core/common/Outcome.h"
#include "core/weight-balance/AircraftFleet.h"

#include <QList>
#include <QString>

struct AircraftTypeChoice {
    QString name;
    int id = 0;

    bool operator==(const AircraftTypeChoice&) const = default;
};

class AircraftStore {
public:
    static constexpr int kInitialTypeCapacity = 5;
    static constexpr int kInitialAircraftCapacity = 10;
    static constexpr int kGrowth = 5;

    // Empty folders mean DataFolder() and ProgramFolder() at the time of use. The store starts
    // with the default fleet.
    explicit AircraftStore(QString dataFolder = {}, QString programFolder = {});

    // Sets the default fleet, then replaces it by the file's fleet when a file can be opened.
    // A version 5 file is rewritten as version 6 at once. Fails (stop icon) for a file of an
    // unknown version or a damaged file: the default fleet stays and the file is left as it is
    // (the first save keeps a copy of it as aircraft.db.bad); or with the save's message when
    // the rewrite of a version 5 file fails. No file at all is no failure.
    Status LoadAircraftFile();

    // Writes the whole fleet as version 6. On failure the old file stays whole and the fleet in
    // memory is unchanged; the message names the reason.
    Status SaveAircraftFile();

    // Every change below is saved at once; when the save fails the fleet in memory goes back to
    // what it was (the file keeps it too) and the save's message is returned.
    //
    // Give the record the next id (also written into the caller's record once saved), append
    // it, save. Also fails without a change when the id counter has run out.
    Status AddAircraftType(AircraftType& type);
    Status AddAircraft(Aircraft& aircraft);
    // Overwrite the element with the same id and save; an unknown id changes and saves nothing.
    Status UpdateAircraftType(const AircraftType& type);
    Status UpdateAircraft(const Aircraft& aircraft);
    // Remove by id, keeping the order of the rest, and save; an unknown id changes and saves
    // nothing. Deleting a type first deletes every aircraft of that type.
    Status DeleteAircraft(int id);
    Status DeleteAircraftType(int id);

    // The first match, or nullptr. Names and idents are compared exactly (with case).
    const AircraftType* FindAircraftType(int id) const;
    const Aircraft* FindAircraft(int id) const;
    const AircraftType* FindAircraftTypeByName(const QString& name) const;
    const Aircraft* FindAircraftByIdent(const QString& ident) const;

    // The type names with their ids in store order, for the type combo boxes.
    QList<AircraftTypeChoice> AircraftTypeChoices() const;
    // The aircraft of one type in store order.
    QList<Aircraft> AircraftOfType(int typeId) const;

    const QList<AircraftType>& Types() const { return fleet_.types; }
    const QList<Aircraft>& AircraftList() const { return fleet_.aircraft; }
    const AircraftFleet& Fleet() const { return fleet_; }
    int TypeCapacity() const { return typeCapacity_; }
    int AircraftCapacity() const { return aircraftCapacity_; }

    QString FilePath() const;         // where saves go
    QString FallbackFilePath() const; // the program folder's copy; "" when that folder is unknown

private:
    void Reset();
    static int TakeId(int& counter);
    Status KeepRefusedFile();
    Status SaveOrRestore(AircraftFleet before);

    AircraftFleet fleet_;
    int typeCapacity_ = kInitialTypeCapacity;
    int aircraftCapacity_ = kInitialAircraftCapacity;
    QString dataFolder_;
    QString programFolder_;
    bool refusedFileAtSavePath_ = false;
};
