#include "core/weight-balance/FleetEdits.h"

#include <QTimeZone>

#include <limits>

AircraftType NewAircraftType(bool metric) {
    AircraftType type;
    type.flags.Set(TypeFlags::WeightInKilograms, metric);
    type.flags.Set(TypeFlags::ArmInCentimetres, metric);
    return type;
}

Aircraft NewAircraft(int typeId) {
    Aircraft aircraft;
    aircraft.typeId = typeId;
    return aircraft;
}

AircraftType CopyAsNew(const AircraftType& type) {
    AircraftType copy = type;
    copy.id = 0;
    return copy;
}

Aircraft CopyAsNew(const Aircraft& aircraft) {
    Aircraft copy = aircraft;
    copy.id = 0;
    return copy;
}

uint32_t LastChangeSeconds(const QDateTime& utc) {
    static const QDateTime kEpoch(QDate(2000, 1, 1), QTime(0, 0), QTimeZone::utc());
    const qint64 seconds = kEpoch.secsTo(utc);
    if (seconds <= 0)
        return 0;
    return seconds > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                          : static_cast<uint32_t>(seconds);
}

Status StoreNewType(AircraftStore& store, AircraftType& type, const QDateTime& nowUtc) {
    type.lastChange = LastChangeSeconds(nowUtc);
    return store.AddAircraftType(type);
}

Status StoreEditedType(AircraftStore& store, const AircraftType& type, const QDateTime& nowUtc) {
    const AircraftType* stored = store.FindAircraftType(type.id);
    if (!stored)
        return {};
    AircraftType changed = type;
    changed.lastChange = stored->lastChange;
    if (changed == *stored)
        return {};
    changed.lastChange = LastChangeSeconds(nowUtc);
    return store.UpdateAircraftType(changed);
}

Status StoreEditedAircraft(AircraftStore& store, const Aircraft& aircraft) {
    const Aircraft* stored = store.FindAircraft(aircraft.id);
    if (!stored || *stored == aircraft)
        return {};
    return store.UpdateAircraft(aircraft);
}

QString DeleteAircraftQuestion(const Aircraft& aircraft) {
    return QStringLiteral("Delete ") + aircraft.ident + QLatin1Char('?');
}

Outcome<QString> DeleteTypeQuestion(const AircraftStore& store, const AircraftType& type) {
    if (store.Types().size() <= 1)
        return Outcome<QString>::Fail(QStringLiteral("This aircraft type can not be deleted - at "
                                                     "least one type must be defined."),
                                      MessageIcon::Information);
    return QStringLiteral("Delete the ") + type.name +
           QStringLiteral(" type and all the related aircraft?");
}
