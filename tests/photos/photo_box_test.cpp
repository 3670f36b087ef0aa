#include "photos/photo_box.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(PhotoBox, DrawsFromTheTopLeftInFullColourEvenWhenDisabled) {
    QWidget parent;
    parent.setStyleSheet("background: white");
    photos::PhotoBox box(&parent);
    box.setGeometry(0, 0, 145, 121);
    QPixmap picture(40, 30);
    picture.fill(QColor(200, 30, 30));
    box.setPixmap(picture);

    for (bool enabled : {true, false}) {
        box.setEnabled(enabled);
        const QImage shown = box.grab().toImage();
        EXPECT_EQ(QColor(shown.pixel(0, 0)), QColor(200, 30, 30)) << enabled;
        EXPECT_EQ(QColor(shown.pixel(39, 29)), QColor(200, 30, 30)) << enabled;
        EXPECT_NE(QColor(shown.pixel(41, 31)), QColor(200, 30, 30)) << enabled;
    }
}

TEST(PhotoBox, ReportsLeftClicksOnlyWhileEnabled) {
    photos::PhotoBox box;
    box.resize(145, 121);
    box.show();
    QSignalSpy clicks(&box, &photos::PhotoBox::clicked);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    box.setEnabled(false);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(PhotoBox, OffersAPressActionDescribedByItsHintWhileEnabled) {
    photos::PhotoBox box;
    box.setToolTip(QStringLiteral("Открыть для просмотра в редакторе"));
    QSignalSpy clicks(&box, &photos::PhotoBox::clicked);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
    EXPECT_EQ(iface->role(), QAccessible::Graphic);
    QAccessibleActionInterface* actions = iface->actionInterface();
    ASSERT_NE(actions, nullptr);
    const QString press = QAccessibleActionInterface::pressAction();
    EXPECT_EQ(actions->actionNames(), QStringList{press});
    EXPECT_EQ(actions->localizedActionDescription(press), "Открыть для просмотра в редакторе");
    actions->doAction(press);
    EXPECT_EQ(clicks.count(), 1);
    box.setEnabled(false);
    EXPECT_TRUE(actions->actionNames().isEmpty());
    actions->doAction(press);
    EXPECT_EQ(clicks.count(), 1);
}
