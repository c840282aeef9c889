// The sound back end, a module of its own: the program loads it (and with it Qt Multimedia) only
// when it plays its first sound, so a start without sounds loads no audio libraries.
#include "ui/framework/sound/SoundModule.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

extern "C" Q_DECL_EXPORT void TrevallionPlayWave(const char16_t* path, int length) {
    static QSoundEffect* effect = new QSoundEffect; // lives until the program ends
    effect->setSource(QUrl::fromLocalFile(QString(reinterpret_cast<const QChar*>(path), length)));
    effect->play();
}
