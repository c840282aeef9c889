#include "ui/framework/DeviceMessageBox.h"
#include "ui/framework/TitleBand.h"

#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <gtest/gtest.h>

namespace {

// The rightmost column of the title band that the text darkens.
int TitleTextEnd(const QString& title, const QFont& font) {
    QImage image(400, kTitleBandHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintTitleBand(painter, font, title, image.width());
    painter.end();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < kTitleBandHeight; ++y)
            if (qGray(image.pixel(x, y)) < 200)
                return x;
    return -1;
}

// A caption's "&&" shows as one "&" in the title of the screen and of its message boxes alike,
// never as a mnemonic that eats the "&" and underlines the next character ("Heading _Time").
TEST(TitleBand, AmpersandsShowAsTheyStand) {
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    for (const char* caption : {"Heading && Time", "Distance && Track", "Weight && Balance"}) {
        const QString title = MessageBoxTitle(QString::fromLatin1(caption));
        EXPECT_FALSE(title.contains(u"&&")) << caption;
        const int end = TitleTextEnd(title, QApplication::font());
        const int expected = 6 + metrics.horizontalAdvance(title);
        EXPECT_NEAR(end, expected, 3) << caption;
        EXPECT_GT(end, 6 + metrics.horizontalAdvance(QString(title).remove(u'&')) + 2) << caption;
    }
}

// On every device screen the box spans nearly the full width, keeps a short message on one line,
// has buttons a finger can hit, and lies inside the screen of its window.
TEST(DeviceMessageBox, FitsTheDeviceScreenWithTextOnOneLine) {
    for (const QSize size : {QSize(240, 320), QSize(240, 240), QSize(320, 240)}) {
        ScriptedPlatform platform(size);
        QWidget window;
        window.resize(size);
        window.show();
        CDeviceMessageBox box(&window, QStringLiteral("Invalid wind direction."),
                              QStringLiteral("Ground Speed"), MessageButtons::YesNoCancel,
                              MessageIcon::Warning);
        box.show();
        QCoreApplication::processEvents();
        EXPECT_GE(box.width(), size.width() - 20) << size.width();
        const QLabel* text = box.TextLabel();
        EXPECT_LE(text->fontMetrics().horizontalAdvance(text->text()), text->width());
        EXPECT_LT(text->heightForWidth(text->width()), 2 * text->fontMetrics().lineSpacing());
        ASSERT_EQ(box.Buttons().size(), 3);
        for (const QPushButton* button : box.Buttons())
            EXPECT_GE(button->height(), 20);
        const QRect screen(window.mapToGlobal(QPoint(0, 0)), size);
        EXPECT_TRUE(screen.contains(box.frameGeometry()))
            << size.width() << "x" << size.height() << " box at " << box.frameGeometry().x() << ","
            << box.frameGeometry().y() << " " << box.width() << "x" << box.height() << " screen at "
            << screen.x() << "," << screen.y();
    }
}

// A long message wraps at word boundaries inside the box instead of widening it.
TEST(DeviceMessageBox, LongTextWrapsWithinTheWidth) {
    ScriptedPlatform platform;
    CDeviceMessageBox box(nullptr,
                          QStringLiteral("You currently have flight timers running, do you wish "
                                         "to exit the program?"),
                          QStringLiteral("Trevallion"), MessageButtons::OkCancel,
                          MessageIcon::Question);
    box.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(box.width(), 240 - 2 * CDeviceMessageBox::kScreenMargin);
    EXPECT_GE(box.TextLabel()->height(), 2 * box.TextLabel()->fontMetrics().lineSpacing());
}

// Each button gives its result; Escape gives Cancel, or No, or OK when that is the only choice.
TEST(DeviceMessageBox, ButtonsAndEscapeGiveTheirResults) {
    ScriptedPlatform platform;
    const struct {
        MessageButtons buttons;
        int pressed; // index of the button pressed, -1 for Escape
        int expected;
    } cases[] = {
        {MessageButtons::Ok, 0, kIdOk},           {MessageButtons::Ok, -1, kIdOk},
        {MessageButtons::OkCancel, 1, kIdCancel}, {MessageButtons::OkCancel, -1, kIdCancel},
        {MessageButtons::YesNo, 0, kIdYes},       {MessageButtons::YesNo, -1, kIdNo},
        {MessageButtons::YesNoCancel, 1, kIdNo},  {MessageButtons::RetryCancel, 0, kIdRetry},
    };
    for (const auto& c : cases) {
        CDeviceMessageBox box(nullptr, QStringLiteral("Text"), QStringLiteral("Title"), c.buttons,
                              MessageIcon::Information);
        QTimer::singleShot(0, &box, [&] {
            if (c.pressed < 0)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.Buttons()[c.pressed]->click();
        });
        EXPECT_EQ(box.Run(), c.expected);
    }
}

} // namespace
