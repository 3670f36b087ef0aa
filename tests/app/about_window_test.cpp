// The About window, its links, and "Отправить письмо".
#include "app/about_window.h"
#include "app/main_window.h"
#include "platform/base_folder.h"
#include "platform/desktop_open.h"
#include "platform/fonts.h"
#include "skin/controls/url_label.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    QRect geometry;
    const char* text;
};

TEST(AboutWindow, ControlsSitWhereTheyBelong) {
    platform::registerInterfaceFonts(); // as the program does at start
    TForm4 form;
    EXPECT_EQ(form.windowTitle(), "О программе");
    EXPECT_EQ(form.size(), QSize(205, 257));
    EXPECT_EQ(form.minimumWidth(), 150);
    // The skinned frame's title bar, buttons and colours are tested with the frame.

    // Fixed boxes keep their size; captions start at their place and size to their text.
    const Expected fixed[] = {
        {"Bevel3", {8, 64, 185, 2}, nullptr},
        {"Bevel4", {112, 72, 78, 92}, nullptr},
        {"Bevel1", {8, 168, 185, 2}, nullptr},
        {"Bevel2", {8, 216, 185, 2}, nullptr},
        {"Image2", {112, 72, 81, 89}, nullptr},
        {"Image1", {160, 176, 33, 33}, nullptr},
        {"suiURLLabel2", {8, 104, 90, 13}, "Написать письмо"},
        {"suiURLLabel1", {24, 224, 136, 13}, "Посетить сайт программы"},
    };
    for (const Expected& e : fixed) {
        auto* widget = form.ui.suiForm1->findChild<QWidget*>(e.name);
        ASSERT_NE(widget, nullptr) << e.name;
        EXPECT_EQ(widget->geometry(), e.geometry) << e.name;
        if (e.text) {
            EXPECT_EQ(static_cast<QLabel*>(widget)->text(), e.text);
        }
    }
    const Expected captions[] = {
        {"Label1", {24, 40, 0, 0}, "Записная книжка v 2.1b"},
        {"Label2", {8, 72, 0, 0}, "Автор"},
        {"Label3", {8, 88, 0, 0}, "Команда Kalmo"},
        {"Label4", {8, 176, 0, 0}, "Дата компиляции"},
        {"Label5", {8, 192, 0, 0}, "19.01.2006"},
    };
    for (const Expected& e : captions) {
        auto* label = form.ui.suiForm1->findChild<QLabel*>(e.name);
        ASSERT_NE(label, nullptr) << e.name;
        EXPECT_EQ(label->pos(), e.geometry.topLeft()) << e.name;
        EXPECT_EQ(label->text(), e.text);
        // No caption runs into the photograph or off the form.
        if (label->y() >= 72 && label->y() < 164) {
            EXPECT_LE(label->geometry().right(), 111) << e.name;
        }
        EXPECT_LE(label->geometry().right(), 198) << e.name;
    }
    EXPECT_TRUE(form.ui.Label1->font().bold());
    EXPECT_FALSE(form.ui.Label3->font().bold());
    // The author's name fits the 78 pixels its label has beside the photograph.
    EXPECT_LE(form.ui.Label3->width(), 78);
    EXPECT_EQ(form.ui.Label3->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST(AboutWindow, PicturesAreDrawnAndTheBookFitsItsBox) {
    TForm4 form;
    const QImage photo = form.ui.Image2->pixmap().toImage();
    ASSERT_FALSE(photo.isNull());
    // Scaled with its proportions kept, filling the box in one direction.
    EXPECT_TRUE(photo.width() == 81 || photo.height() == 89);
    EXPECT_LE(photo.width(), 81);
    EXPECT_LE(photo.height(), 89);
    EXPECT_NEAR(double(photo.width()) / photo.height(), 162.0 / 178.0, 0.02);
    // A real picture, not a flat fill: the red cover and the pale pages are both there.
    bool red = false, pale = false;
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x) {
            const QColor c = photo.pixelColor(x, y);
            red |= c.red() > 120 && c.green() < 70 && c.blue() < 70;
            pale |= c.red() > 220 && c.green() > 215 && c.blue() > 190;
        }
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(pale);

    const QImage icon = form.ui.Image1->pixmap().toImage();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);     // transparent corner
    EXPECT_EQ(icon.pixelColor(16, 16).alpha(), 255); // the book itself
}

TEST(AboutWindow, LinksLookLikeLinksAndOpenTheirAddresses) {
    TForm4 form;
    form.show();
    platform::UrlOpenRecorder opened;
    for (TsuiURLLabel* link : {form.ui.suiURLLabel1, form.ui.suiURLLabel2}) {
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(link, &enter);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::RightButton);
    }
    // Both lead to the documentation that comes with the program, never to an address
    // nobody reads.
    ASSERT_EQ(opened.urls.size(), 2);
    for (const QUrl& url : opened.urls) {
        EXPECT_EQ(url, app::programDocumentationUrl());
        EXPECT_TRUE(url.isLocalFile());
        EXPECT_TRUE(url.path().endsWith("README.md"));
    }
}

class MainWindowMail : public ::testing::Test {
protected:
    MainWindowMail() {
        platform::BaseFolder::set(folder.path());
        form = std::make_unique<TForm1>();
    }
    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;
    platform::UrlOpenRecorder opened;
};

TEST_F(MainWindowMail, SendsTheAddressOnScreenAsTyped) {
    QTest::mouseClick(form->ui.suiButton1, Qt::LeftButton);
    form->ui.email->setText("ivan@example.org");
    QTest::mouseClick(form->ui.suiButton1, Qt::LeftButton);
    QTest::keyClicks(form->ui.email, " x");
    QTest::mouseClick(form->ui.suiButton1, Qt::LeftButton);
    ASSERT_EQ(opened.urls.size(), 3);
    EXPECT_EQ(opened.urls[0].toString(), "mailto:");
    EXPECT_EQ(opened.urls[1].toString(), "mailto:ivan@example.org");
    EXPECT_EQ(opened.urls[2].scheme(), "mailto");
    EXPECT_EQ(opened.urls[2].path(QUrl::FullyDecoded), "ivan@example.org x");
}

TEST_F(MainWindowMail, AboutButtonShowsTheSameWindowModally) {
    TForm4 about;
    form->setAboutWindow(&about);
    QList<QWidget*> shown;
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, [&] {
            shown << QApplication::activeModalWidget();
            if (QApplication::activeModalWidget())
                QApplication::activeModalWidget()->close();
        });
        QTest::mouseClick(form->ui.ToolButton5, Qt::LeftButton);
    }
    EXPECT_EQ(shown, (QList<QWidget*>{&about, &about}));
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(opened.urls.isEmpty());
}

} // namespace
