#include "core/app/MenuBarRecord.h"

namespace {

int Word(int value) {
    return value & 0xFFFF;
}

Message Damaged(int resourceId, const QString& why) {
    return Message{QStringLiteral("Menu bar %1: %2").arg(resourceId).arg(why), MessageIcon::Error};
}

} // namespace

Outcome<MenuBarRecord> DecodeMenuBarRecord(int resourceId, const QVector<int>& words,
                                           int subMenuCount) {
    if (words.size() < 2)
        return Damaged(resourceId, QStringLiteral("the record has no button count"));
    MenuBarRecord record;
    record.menuId = Word(words[0]);
    const int count = Word(words[1]);
    if (words.size() != 2 + count * kMenuBarWordsPerButton)
        return Damaged(resourceId, QStringLiteral("%1 buttons need %2 words, the record has %3")
                                       .arg(count)
                                       .arg(2 + count * kMenuBarWordsPerButton)
                                       .arg(words.size()));
    for (int i = 0; i < count; ++i) {
        const int* w = words.constData() + 2 + i * kMenuBarWordsPerButton;
        MenuBarButton button;
        button.image = Word(w[0]);
        button.commandId = Word(w[1]);
        button.state = Word(w[2]);
        button.style = Word(w[3]);
        button.stringId = Word(w[4]);
        button.subMenu = Word(w[6]);
        if (button.subMenu >= subMenuCount)
            return Damaged(resourceId, QStringLiteral("button %1 opens sub-menu %2 of %3")
                                           .arg(i + 1)
                                           .arg(button.subMenu)
                                           .arg(subMenuCount));
        record.buttons.append(button);
    }
    return record;
}
