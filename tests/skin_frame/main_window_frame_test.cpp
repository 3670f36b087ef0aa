#include "app/about_window.h"
#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "skin/frame/form_menu_bar.h"
#include "skin/frame/title_bar.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

using namespace skin::frame;
using namespace skin::themes;

namespace {

const QRgb kBorder = qRgb(0x00, 0x2C, 0xC8);
const QRgb kPanel = qRgb(0xEF, 0xEB, 0xDE);

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage styleImage(int element, int frame = 0, int frames = 0) {
    QImage picture;
    GetStyleBitmap(TsuiUIStyle::WinXP, element, &picture, frame, frames);
    return rgb(picture);
}

void hover(QWidget* widget, const QPoint& at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

class MainWindowFrame : public ::testing::Test {
protected:
    TestFolder folder;
    TForm1 form;
    QImage shot() { return rgb(form.grab().toImage()); }
};

} // namespace

TEST_F(MainWindowFrame, CarriesTheWinXPFrameAsConfigured) {
    TsuiForm* skin = form.ui.suiForm1;
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(skin->Caption(), "Записная книжка v 2.1b");
    EXPECT_EQ(skin->RoundCorner(), 13);
    EXPECT_EQ(skin->MenuBarHeight(), 22);
    EXPECT_EQ(skin->MenuBarColor(), TColor(14609391));
    EXPECT_FALSE(skin->TitleBarDrawAppIcon());
    const QList<TsuiTitleBarButton>& buttons = skin->TitleBar()->Buttons();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0].ButtonType, TsuiTitleBarBtnType::suiClose);
    EXPECT_EQ(buttons[1].ButtonType, TsuiTitleBarBtnType::suiMin);
    const QFont caption = skin->TitleBar()->font();
    EXPECT_EQ(caption.family(), "Tahoma");
    EXPECT_TRUE(caption.bold());
    EXPECT_EQ(caption.pixelSize(), 11);
    EXPECT_EQ(skin->Menu(), form.ui.suiMainMenu1);
    // "Вид" chooses the look of the windows.
    ASSERT_EQ(skin->MenuBar()->Buttons().size(), 2);
    EXPECT_EQ(skin->MenuBar()->Buttons()[0]->text(), "Файл");
    EXPECT_EQ(skin->MenuBar()->Buttons()[1]->text(), "Вид");
    EXPECT_EQ(skin->MenuBar()->Buttons()[1]->x(), skin->MenuBar()->Buttons()[0]->width());
    EXPECT_EQ(skin->MenuBar()->geometry(), QRect(0, 29, skin->width(), 22));
    EXPECT_EQ(form.findChild<QWidget*>("titleStrip"), nullptr);
}

TEST_F(MainWindowFrame, TitleBarIs29PixelsOfTheTitlePictures) {
    const QImage image = shot();
    const QImage client = styleImage(ThemeElement::TitleBarClientImage);
    ASSERT_EQ(client.height(), 29);
    // Column 200 of the panel lies in the stretched client section.
    const int x = 3 + 200;
    const int sourceX = (200 - 35) * client.width() / (form.ui.suiForm1->width() - 70);
    for (int y = 0; y < 29; ++y) {
        if (image.pixel(x, y) != client.pixel(sourceX, y))
            ADD_FAILURE() << "row " << y;
    }
    EXPECT_EQ(image.pixel(x + 200, 29 + 11), kPanel); // the menu bar under it
}

TEST_F(MainWindowFrame, BorderStripsAreThreePixelsOfTheBorderColour) {
    const QImage image = shot();
    const int w = image.width(), h = image.height();
    ASSERT_EQ(QSize(w, h), QSize(486, 400));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(image.pixel(i, 200), kBorder);
        EXPECT_EQ(image.pixel(w - 1 - i, 200), kBorder);
        EXPECT_EQ(image.pixel(250, h - 1 - i), kBorder);
    }
    EXPECT_NE(image.pixel(3, 200), kBorder);
    EXPECT_NE(image.pixel(w - 4, 200), kBorder);
    EXPECT_NE(image.pixel(250, h - 4), kBorder);
}

TEST_F(MainWindowFrame, PanelIsTheFormColour) {
    const QImage image = shot();
    // Between the photo group and the right border, and between the group boxes.
    EXPECT_EQ(image.pixel(3 + 477, 200), kPanel);
    EXPECT_EQ(image.pixel(3 + 240, 268), kPanel);
}

TEST_F(MainWindowFrame, HoveredCloseButtonShowsItsMouseOverPicture) {
    TsuiTitleBar* bar = form.ui.suiForm1->TitleBar();
    const ButtonLayout layout = bar->Layout();
    const QRect close = layout.rects[0];
    EXPECT_EQ(close, QRect(bar->width() - 2 + 1 - 22, 5, 21, 21));
    EXPECT_EQ(rgb(shot().copy(close.translated(3, 0))),
              styleImage(ThemeElement::TitleBarButtonImage, 16, 18));

    hover(bar, close.center());
    const QImage hovered = shot();
    EXPECT_EQ(bar->hoveredButton(), 0);
    EXPECT_EQ(rgb(hovered.copy(close.translated(3, 0))),
              styleImage(ThemeElement::TitleBarButtonImage, 17, 18));
    // Still the normal picture on the minimise button.
    EXPECT_EQ(rgb(hovered.copy(layout.rects[1].translated(3, 0))),
              styleImage(ThemeElement::TitleBarButtonImage, 13, 18));
}

TEST_F(MainWindowFrame, FileMenuOpensTheSkinnedDropDown) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    MenuBarButton* file = form.ui.suiForm1->MenuBar()->Buttons()[0];
    QMenu* dropDown = form.ui.N1->menu();
    QTimer::singleShot(0, dropDown, [dropDown] {
        EXPECT_TRUE(dropDown->isVisible());
        dropDown->close();
    });
    QTest::mouseClick(file, Qt::LeftButton);
    EXPECT_FALSE(dropDown->isVisible());
    // The list draws with the skinned menu's items: "Загрузить резервную копию" first.
    EXPECT_EQ(dropDown->actionGeometry(form.ui.N3).height(), 21);
    EXPECT_EQ(dropDown->actionGeometry(dropDown->actions()[2]).height(), 5);
}

TEST(SkinnedWindows, AboutAndImagesFolderWindowsCarryTheirSkinnedForm) {
    TForm4 about;
    ASSERT_NE(about.ui.suiForm1, nullptr);
    EXPECT_EQ(about.ui.suiForm1->Caption(), "О программе");
    ASSERT_EQ(about.ui.suiForm1->TitleBar()->Buttons().size(), 1);
    EXPECT_EQ(about.ui.suiForm1->TitleBar()->Buttons()[0].ButtonType,
              TsuiTitleBarBtnType::suiClose);
    EXPECT_EQ(about.size(), QSize(205, 257));
    EXPECT_EQ(about.ui.suiForm1->geometry(), QRect(3, 0, 199, 254));
    TForm3 images;
    ASSERT_NE(images.ui.suiForm1, nullptr);
    EXPECT_EQ(images.ui.suiForm1->Caption(), "Путь");
    EXPECT_EQ(images.ui.suiForm1->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(images.size(), QSize(445, 123));
}
