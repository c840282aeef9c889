#include "core/navdata/NavRecords.h"
#include "core/common/text/Format.h"

QString NavAidTypeText(int32_t type) {
    switch (type) {
    case kNavAidVor:
        return QStringLiteral("VOR");
    case kNavAidVortac:
        return QStringLiteral("VORTAC");
    case kNavAidTacan:
        return QStringLiteral("TACAN");
    case kNavAidVorDme:
        return QStringLiteral("VOR/DME");
    case kNavAidNdb:
        return QStringLiteral("NDB");
    case kNavAidNdbDme:
        return QStringLiteral("NDB/DME");
    case kNavAidDme:
        return QStringLiteral("DME");
    default:
        return FormatText("%i", type);
    }
}

QDate UnpackValidityDate(uint32_t packed) {
    if (packed == 0)
        return {};
    const int month = static_cast<int>(packed & 0xFF);
    const int day = static_cast<int>((packed >> 8) & 0xFF);
    const int year = static_cast<int>(packed >> 16);
    return QDate(year, month, day); // invalid when the parts are no date
}

uint32_t PackValidityDate(const QDate& date) {
    if (!date.isValid() || date.year() < 1 || date.year() > 0xFFFF)
        return 0;
    return (static_cast<uint32_t>(date.year()) << 16) | (static_cast<uint32_t>(date.day()) << 8) |
           static_cast<uint32_t>(date.month());
}
