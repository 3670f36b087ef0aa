#include "app/artwork.h"
#include "app/main_window.h"
#include "platform/message_box_recorder.h"
#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"
#include "skin_pixels.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

using namespace skin::themes;

using namespace skin_pixels;

namespace {

struct MainWindowControls : ::testing::Test {
    TestFolder folder;
    platform::MessageBoxRecorder boxes;
    TForm1 form;
};

} // namespace

TEST_F(MainWindowControls, EveryControlIsSkinnedInWinXPWithTheWindowsColours) {
    for (TsuiGroupBox* box :
         {form.ui.data, form.ui.suiGroupBox2, form.ui.suiGroupBox4, form.ui.suiGroupBox1}) {
        EXPECT_EQ(box->UIStyle(), TsuiUIStyle::WinXP) << box->objectName().toStdString();
        EXPECT_EQ(box->BorderColor(), TColor(6842472));
        EXPECT_EQ(box->FontColor(), TColor(13583874));
    }
    EXPECT_EQ(form.ui.data->Caption(), "Данные");
    EXPECT_EQ(form.ui.suiGroupBox2->Caption(), "Навигация");
    EXPECT_EQ(form.ui.suiGroupBox4->Caption(), "База");
    EXPECT_EQ(form.ui.suiGroupBox1->Caption(), "Фото");

    for (TsuiEdit* edit :
         {form.ui.fio, form.ui.adres, form.ui.tel, form.ui.rabota, form.ui.email}) {
        EXPECT_EQ(edit->UIStyle(), TsuiUIStyle::WinXP);
        EXPECT_EQ(edit->BorderColor(), TColor(6842472));
    }

    for (TsuiToolBar* bar : {form.ui.suiToolBar1, form.ui.suiToolBar2}) {
        EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::WinXP);
        EXPECT_TRUE(bar->List());
        EXPECT_EQ(bar->ButtonWidth(), 25);
        EXPECT_EQ(bar->ButtonColor(), TColor(15717318));
        EXPECT_EQ(bar->ButtonBorderColor(), TColor(13003057));
        EXPECT_EQ(bar->ButtonDownColor(), TColor(14789779));
    }
    EXPECT_EQ(form.ui.suiComboBox1->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(form.ui.suiComboBox1->BorderColor(), TColor(6842472));
    EXPECT_EQ(form.ui.suiComboBox1->ButtonColor(), TColor(14609391));
    EXPECT_EQ(form.ui.suiComboBox1->ArrowColor(), TColor(0));
    EXPECT_EQ(form.ui.suiComboBox1->parentWidget(), form.ui.suiToolBar2);

    for (TsuiButton* button :
         {form.ui.suiButton1, form.ui.suiButton2, form.ui.suiButton3, form.ui.suiButton4,
          form.ui.suiButton5, form.ui.previous, form.ui.next, form.ui.first, form.ui.last})
        EXPECT_EQ(button->UIStyle(), TsuiUIStyle::WinXP) << button->objectName().toStdString();
    EXPECT_EQ(form.ui.suiButton1->Caption(), "Отправить письмо");
    EXPECT_EQ(form.ui.suiButton5->toolTip(), "Добавить изображение");
}

TEST_F(MainWindowControls, NavigationButtonsCarryTheirGlyphsLayoutsAndHandCursor) {
    const struct {
        TsuiButton* button;
        app::Glyph glyph;
        TsuiButton::TsuiButtonLayout layout;
    } navigation[] = {{form.ui.previous, app::Glyph::Previous, TsuiButton::blGlyphLeft},
                      {form.ui.next, app::Glyph::Next, TsuiButton::blGlyphRight},
                      {form.ui.first, app::Glyph::First, TsuiButton::blGlyphLeft},
                      {form.ui.last, app::Glyph::Last, TsuiButton::blGlyphRight}};
    for (const auto& n : navigation) {
        EXPECT_EQ(n.button->Glyph(), app::navigationGlyph(n.glyph));
        EXPECT_EQ(n.button->Glyph().size(), QSize(16, 16));
        EXPECT_EQ(n.button->Layout(), n.layout);
        EXPECT_EQ(n.button->cursor().shape(), Qt::PointingHandCursor);
    }
}

TEST_F(MainWindowControls, TheDataGroupsTabOrderStartsWithTheMailButton) {
    const QList<QWidget*> expected = {form.ui.suiButton1, form.ui.fio,    form.ui.adres,
                                      form.ui.tel,        form.ui.rabota, form.ui.email,
                                      form.ui.suiButton2};
    QList<QWidget*> order = {form.ui.suiButton1};
    for (QWidget* w = form.ui.suiButton1->nextInFocusChain(); order.size() < expected.size();
         w = w->nextInFocusChain()) {
        ASSERT_NE(w, form.ui.suiButton1) << "the chain closed early";
        if (expected.contains(w))
            order << w;
    }
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowControls, TheWindowShowsTheSkinnedFramesAtTheirPlaces) {
    form.show();
    const QImage image = shot(*form.ui.suiForm1);
    const QRgb line = hex(0x686868);
    // Each group box's frame: left line from half the caption down, bottom-right corner.
    for (TsuiGroupBox* box :
         {form.ui.data, form.ui.suiGroupBox2, form.ui.suiGroupBox4, form.ui.suiGroupBox1}) {
        const QRect g = box->geometry();
        EXPECT_EQ(rgb(image, g.x(), g.y() + 6), line) << box->objectName().toStdString();
        EXPECT_EQ(rgb(image, g.x(), g.y() + 40), line) << box->objectName().toStdString();
        EXPECT_EQ(rgb(image, g.right(), g.bottom()), line) << box->objectName().toStdString();
    }
    // The edits' outer line, seen through the group box.
    const QPoint fio = form.ui.fio->mapTo(form.ui.suiForm1, QPoint(0, 0));
    EXPECT_EQ(rgb(image, fio.x(), fio.y()), line);
    EXPECT_EQ(rgb(image, fio.x() + 199, fio.y() + 18), line);
    // The mail button's face: the WinXP frame's top-left corner pixel.
    QImage frame;
    GetStyleBitmap(TsuiUIStyle::WinXP, ThemeElement::ButtonImage, &frame, 1, 3);
    const QPoint mail = form.ui.suiButton1->mapTo(form.ui.suiForm1, QPoint(4, 4));
    EXPECT_EQ(rgb(image, mail.x(), mail.y()), frame.pixel(4, 4) & 0xFFFFFF);
}
