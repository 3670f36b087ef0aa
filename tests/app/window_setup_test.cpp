// The set-up every skinned window of the program shares: name, title, minimum width, size,
// interface font and the skinned frame with its caption font; and the start-up notice,
// whose caption matches the windows'.
#include "app/about_window.h"
#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/fonts.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/window_skin.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QScreen>

using namespace skin::frame;

using namespace record_fixture;

namespace {

struct Expected {
    QString objectName;
    QString title;
    QSize size;
};

void expectSkinnedWindow(const QWidget& window, const TsuiForm* form, const Expected& expected) {
    SCOPED_TRACE(expected.objectName.toStdString());
    EXPECT_EQ(window.objectName(), expected.objectName);
    EXPECT_EQ(window.windowTitle(), expected.title);
    EXPECT_EQ(window.minimumWidth(), 150);
    EXPECT_EQ(window.size(), expected.size);
    EXPECT_EQ(window.font(), platform::interfaceFont());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->parentWidget(), &window);
    EXPECT_EQ(form->objectName(), "suiForm1");
    EXPECT_EQ(form->Caption(), expected.title);
    EXPECT_EQ(form->MenuBarHeight(), 22);
    EXPECT_EQ(form->RoundCorner(), 13);
}

TEST(WindowSetUp, EverySkinnedWindowIsSetUpAlike) {
    WindowFixture base;
    const TForm1& main = base.openWindow();
    expectSkinnedWindow(main, main.ui.suiForm1,
                        {"Form1", QStringLiteral("Записная книжка v 2.1b"), {486, 400}});
    const TForm4 about;
    expectSkinnedWindow(about, about.ui.suiForm1,
                        {"Form4", QStringLiteral("О программе"), {205, 257}});
    const TForm3 images;
    expectSkinnedWindow(images, images.ui.suiForm1, {"Form3", QStringLiteral("Путь"), {445, 123}});
}

TEST(WindowSetUp, TheCaptionFontIsBoldElevenPixelTahomaInWhite) {
    const QFont caption = windowCaptionFont();
    EXPECT_EQ(caption.family(), "Tahoma");
    EXPECT_EQ(caption.pixelSize(), 11);
    EXPECT_TRUE(caption.bold());
    EXPECT_EQ(kWindowCaptionColor.toQColor(), QColor(Qt::white));

    // The start-up notice about the images folder uses the same caption.
    WindowFixture base;
    const TForm1& main = base.openWindow();
    EXPECT_EQ(main.ui.suiMessageDialog1->CaptionFont(), caption);
    EXPECT_EQ(main.ui.suiMessageDialog1->captionFontColor(), kWindowCaptionColor);
    EXPECT_EQ(main.ui.suiMessageDialog1->Font(), main.font());
}

// "О программе" and "Путь" open in the middle of the screen by their own size, every time
// they are shown, even after being moved.
TEST(WindowSetUp, TheAboutAndPathWindowsOpenInTheScreensCentre) {
    TForm4 about;
    TForm3 images;
    for (QDialog* window : {static_cast<QDialog*>(&about), static_cast<QDialog*>(&images)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        const QRect screen = window->screen()->geometry();
        ASSERT_FALSE(screen.isEmpty());
        const QPoint centred(screen.x() + (screen.width() - window->width()) / 2,
                             screen.y() + (screen.height() - window->height()) / 2);
        window->show();
        EXPECT_EQ(window->pos(), centred);
        EXPECT_EQ(window->frameGeometry().topLeft(), centred); // no frame is allowed for
        window->hide();
        window->move(5, 5);
        window->show();
        EXPECT_EQ(window->pos(), centred);
        window->hide();
    }
}

} // namespace
