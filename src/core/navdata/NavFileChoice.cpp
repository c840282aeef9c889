#include "core/navdata/NavFileChoice.h"

#include "core/navdata/NavDatabase.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/settings/SettingsSchema.h"

#include <QFileInfo>

QString ShippedNavFilePath() {
    const QString folder = ProgramFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("world.nav");
}

StartNavFile ChooseStartNavFile(const SettingsStore& settings) {
    const QString chosen = setting::kAirportFile.Read(settings);
    if (!chosen.isEmpty())
        return {chosen, true};
    const QString fallback = DefaultNavFilePath();
    const QString shipped = ShippedNavFilePath();
    if (!QFileInfo::exists(fallback) && !shipped.isEmpty() && QFileInfo(shipped).isFile())
        return {shipped, false};
    return {fallback, false};
}

Message StartNavFileFailure(const QString& path, const Message& loadError) {
    QString text = loadError.text;
    if (!text.endsWith('\n'))
        text += '\n';
    text += QStringLiteral("\nFile: ") + path +
            QStringLiteral("\nChoose another file in File, Preferences..., or build one with "
                           "\"trevallion-data nav build\".");
    return {text, loadError.icon};
}

QString NavFileTitleText(bool loaded, const QString& description) {
    return QStringLiteral("Airport file: ") +
           (loaded ? description : QStringLiteral("{ no file loaded }"));
}

QString ValidUntilText(uint32_t packedDate, const QLocale& locale) {
    const QDate date = UnpackValidityDate(packedDate);
    if (!date.isValid())
        return {};
    return QStringLiteral("Valid until ") + locale.toString(date, QLocale::ShortFormat);
}
