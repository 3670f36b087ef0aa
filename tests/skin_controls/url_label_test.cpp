#include "platform/desktop_open.h"
#include "skin/controls/url_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

QColor textColour(const QLabel& label) {
    return label.palette().color(QPalette::WindowText);
}

void enter(QWidget& widget) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(URLLabel, LooksLikeALinkAndChangesColourUnderTheMouse) {
    TsuiURLLabel label;
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(label.text().isEmpty());
    EXPECT_FALSE(label.URL().isEmpty());
    EXPECT_EQ(textColour(label), QColor(0, 0, 255));
    enter(label);
    EXPECT_EQ(textColour(label), QColor(255, 0, 0));
    // A new link colour shows at once, even under the mouse; a new hover colour waits.
    label.setFontLinkColor(TColor::fromHex(0x008000));
    EXPECT_EQ(textColour(label), QColor(0, 0x80, 0));
    label.setFontHoverColor(TColor::fromHex(0x808080));
    EXPECT_EQ(textColour(label), QColor(0, 0x80, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(textColour(label), QColor(0, 0x80, 0));
    enter(label);
    EXPECT_EQ(textColour(label), QColor(0x80, 0x80, 0x80));
}

TEST(URLLabel, AClickOpensTheAddressUnlessBlankAndThenReportsTheClick) {
    TsuiURLLabel label;
    label.setText("Написать письмо");
    label.adjustSize();
    platform::UrlOpenRecorder opened;
    QSignalSpy clicks(&label, &TsuiURLLabel::clicked);

    label.setURL("mailto:someone@example.org");
    QTest::mouseClick(&label, Qt::LeftButton);
    label.setURL("   ");
    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseClick(&label, Qt::RightButton);

    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0], QUrl("mailto:someone@example.org"));
    EXPECT_EQ(clicks.count(), 2); // the blank address still clicks
}
