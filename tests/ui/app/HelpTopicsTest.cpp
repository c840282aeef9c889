// Every topic the program can open has its anchor in the shipped help file: the views' topics,
// each dialog's caption without spaces, and the topics screens pass themselves.
#include "core/app/ViewTable.h"
#include "core/common/resources/Resources.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// The anchors (id attributes) of the help file, with "&amp;" read as "&".
QStringList Anchors(QString* error) {
    QFile file(QStringLiteral(TREVALLION_HELP_FILE));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression id(QStringLiteral("\\bid=\"([^\"]*)\""));
    QStringList anchors;
    for (auto it = id.globalMatch(html); it.hasNext();)
        anchors.append(it.next().captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&")));
    return anchors;
}

// Dialogs that take their title, and so their help topic, from the command that opened them: the
// template's caption is never shown, the titles below are.
const QSet<QString> kRetitledCaptions{QStringLiteral("Calc")};
const char* const kTitlesByMode[] = {
    "DensityAltitude", "PressureAltitude", "StandardTemperature", "TrueAirSpeed", "MACH",
    "Gallons-Litres"};

QStringList TopicsTheProgramOpens() {
    QStringList topics;
    for (const ViewInfo& view : ViewTable())
        topics.append(QString::fromUtf8(view.helpTopic));
    for (const DialogTemplate& dialog : Resources().dialogs) {
        // Demonstration templates of the screen gallery are never opened by the program.
        if (dialog.symbol.contains(QStringLiteral("_DEMO_")) ||
            kRetitledCaptions.contains(dialog.caption))
            continue;
        QString caption = dialog.caption;
        topics.append(caption.remove(' '));
    }
    for (const char* title : kTitlesByMode)
        topics.append(QString::fromLatin1(title));
    // Topics that screens pass themselves: the Preferences pages by index.
    for (int page = 0; page < 3; ++page)
        topics.append(QStringLiteral("Preferences%1").arg(page));
    topics.removeDuplicates();
    return topics;
}

TEST(HelpTopics, EveryTopicHasItsAnchor) {
    QString error;
    const QStringList anchors = Anchors(&error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const QSet<QString> known(anchors.begin(), anchors.end());
    EXPECT_EQ(known.size(), anchors.size()) << "an anchor appears twice";
    QStringList missing;
    for (const QString& topic : TopicsTheProgramOpens())
        if (!known.contains(topic))
            missing.append(topic);
    EXPECT_TRUE(missing.isEmpty()) << "help sections missing: " << missing.join(", ").toStdString();
    for (const char* topic : {"Times", "Weight&Balance", "Preferences", "Preferences2"})
        EXPECT_TRUE(known.contains(topic)) << topic;
}

} // namespace
