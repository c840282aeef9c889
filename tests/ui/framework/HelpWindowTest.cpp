#include "ui/framework/HelpWindow.h"

#include "support/ScriptedPlatform.h"
#include "support/TempFolder.h"

#include "core/common/io/FileIo.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

QString LongHelp() {
    QString html = QStringLiteral("<html><body><h1>Help</h1><p><a href=\"#Second\">to second</a>"
                                  "</p>");
    for (const char* id : {"First", "Second", "Weight&amp;Balance"}) {
        html += QStringLiteral("<h2 id=\"%1\">%1</h2>").arg(QString::fromLatin1(id));
        for (int i = 0; i < 40; ++i)
            html += QStringLiteral("<p>Line %1</p>").arg(i);
    }
    return html + QStringLiteral("</body></html>");
}

TEST(HelpWindow, IdsBecomeAnchors) {
    EXPECT_EQ(HelpHtmlWithAnchors("<h2 id=\"Times\">Times</h2>"),
              "<h2><a name=\"Times\"></a>Times</h2>");
    EXPECT_EQ(HelpHtmlWithAnchors("<h2 class=\"x\" id=\"A\" title=\"t\">A</h2>"),
              "<h2 class=\"x\" title=\"t\"><a name=\"A\"></a>A</h2>");
    EXPECT_EQ(HelpHtmlWithAnchors("<p>No id</p>"), "<p>No id</p>");
}

// With no browser on the machine, help opens in the program at the topic's section; links move
// between topics and Back and Forward retrace them.
TEST(HelpWindow, OpensAtTheTopicAndFollowsLinksBackAndForward) {
    ScriptedPlatform platform;
    TempFolder folder;
    const QString path = folder.File("trevallion.htm");
    ASSERT_TRUE(WriteWholeFile(path, LongHelp().toUtf8(), {}).ok());
    QWidget window;
    window.resize(240, 320);
    window.show();
    CHelpWindow help(&window, path, QStringLiteral("Weight&Balance"));
    help.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(help.size(), QSize(240, 320));
    EXPECT_EQ(help.Topic(), "Weight&Balance");
    const int atTopic = help.Browser()->verticalScrollBar()->value();
    EXPECT_GT(atTopic, 0);

    help.ShowTopic(QStringLiteral("First"));
    const int atFirst = help.Browser()->verticalScrollBar()->value();
    EXPECT_LT(atFirst, atTopic);
    help.Back();
    EXPECT_EQ(help.Topic(), "Weight&Balance");
    EXPECT_EQ(help.Browser()->verticalScrollBar()->value(), atTopic);
    help.Forward();
    EXPECT_EQ(help.Topic(), "First");
}

TEST(HelpWindow, AMissingFileShowsTheReason) {
    ScriptedPlatform platform;
    TempFolder folder;
    CHelpWindow help(nullptr, folder.File("none.htm"), QStringLiteral("Times"));
    EXPECT_TRUE(
        help.Browser()->document()->toPlainText().startsWith("The help file could not be read.\n"));
}

} // namespace
