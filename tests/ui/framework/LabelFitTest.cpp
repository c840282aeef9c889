#include "ui/framework/LabelFit.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(LabelFit, ReportsTextsCutAtTheEdgeOrThroughALine) {
    QWidget screen;
    screen.resize(240, 320);
    QLabel fits(QStringLiteral("TAS"), &screen);
    fits.setGeometry(4, 20, 60, 14);
    QLabel cutThroughLine(QStringLiteral("Standard Temperature"), &screen);
    cutThroughLine.setWordWrap(true);
    cutThroughLine.setGeometry(4, 40, 60, 14);
    QLabel pastTheEdge(QStringLiteral("Estimated Time"), &screen);
    pastTheEdge.setGeometry(200, 60, 100, 14);
    QLabel hidden(QStringLiteral("A long hidden text that does not matter"), &screen);
    hidden.setGeometry(4, 80, 10, 10);
    hidden.hide();
    const QStringList clipped = ClippedLabels(&screen);
    ASSERT_EQ(clipped.size(), 2) << clipped.join('\n').toStdString();
    EXPECT_TRUE(clipped[0].startsWith("\"Standard Temperature\" needs"));
    EXPECT_TRUE(clipped[1].startsWith("\"Estimated Time\" needs"));
}

} // namespace
