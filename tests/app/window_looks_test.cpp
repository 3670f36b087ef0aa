// Every window of the program in every built-in look, grabbed offscreen and measured:
// sizes, the status bar in the corner, no toolkit colour where the parent's belongs, no
// black patches, the group-box line and readable captions.

#include "app/about_window.h"
#include "app/export_window.h"
#include "app/import_window.h"
#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/fonts.h"
#include "skin/controls/group_box.h"
#include "skin/frame/form_menu_bar.h"
#include "skin/frame/status_bar.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/title_bar.h"
#include "skin/themes/style_reader.h"
#include "skin/themes/theme_elements.h"
#include "support/import_base.h"
#include "support/photo_fixture.h"
#include "support/test_folder.h"
#include "window_looks.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace skin::themes;

namespace {

QImage shot(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(QRgb rgb) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

int countPixels(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

// The top-left corners of 8 x 8 squares that are wholly black: no text or line is that.
QList<QPoint> blackPatches(const QImage& image) {
    QList<QPoint> found;
    for (int y = 0; y + 8 <= image.height(); ++y) {
        for (int x = 0; x + 8 <= image.width(); ++x) {
            bool black = true;
            for (int i = 0; i < 64 && black; ++i)
                black = (image.pixel(x + i % 8, y + i / 8) & 0xFFFFFF) == 0;
            if (black)
                found << QPoint(x, y);
        }
    }
    return found;
}

// The program's windows as it makes them, given one look.
struct LookedWindows {
    ScopedSettingsFolder settings;
    TForm1 form1;
    TForm4 form4;
    TForm3 form3;

    explicit LookedWindows(const WindowLook& look) {
        static const bool fontsRegistered = (platform::registerInterfaceFonts(), true);
        Q_UNUSED(fontsRegistered);
        // Shown, as the program shows them: a hidden widget hears of resizes only later.
        for (QWidget* window : windows()) {
            applyLook(window, look, QString());
            window->show();
        }
        QApplication::processEvents();
    }
    QList<QWidget*> windows() { return {&form1, &form4, &form3}; }
};

class WindowLooks : public ::testing::TestWithParam<TsuiUIStyle> {
protected:
    WindowLook look() const { return {uiStyleName(GetParam()), true, GetParam()}; }
    int minimumWidth() const {
        return StyleReader(nullptr, GetParam()).integer(ThemeElement::FormMinWidthInt);
    }
};

TEST_P(WindowLooks, WindowsHaveTheirStoredPanelSizesAndTheStatusBarIsInTheCorner) {
    LookedWindows w(look());
    EXPECT_EQ(w.form1.size(), QSize(std::max(486, minimumWidth()), 400));
    EXPECT_EQ(w.form4.size(), QSize(std::max(205, minimumWidth()), 257));
    EXPECT_EQ(w.form3.size(), QSize(std::max(445, minimumWidth()), 123));

    TsuiForm* panel = w.form1.ui.suiForm1;
    TsuiStatusBar* bar = w.form1.ui.suiStatusBar1;
    EXPECT_EQ(bar->geometry(), QRect(0, panel->height() - 19, panel->width(), 19));
    // The grip's last pixel is the panel's, just inside the border strips.
    const QPoint corner = bar->mapTo(&w.form1, bar->rect().bottomRight());
    const int border = panel->BorderWidth();
    EXPECT_EQ(corner, QPoint(w.form1.width() - 1 - border, w.form1.height() - 1 - border));
    ASSERT_FALSE(w.form1.grab().isNull()); // draws the grip once
    EXPECT_EQ(bar->gripRect().bottomRight(), bar->rect().bottomRight());

    // Resized by its edges or the grip, the window keeps the bar on the bottom.
    w.form1.resize(w.form1.width() + 40, w.form1.height() + 30);
    EXPECT_EQ(bar->geometry(), QRect(0, panel->height() - 19, panel->width(), 19));
    EXPECT_EQ(bar->mapTo(&w.form1, bar->rect().bottomRight()),
              QPoint(w.form1.width() - 1 - border, w.form1.height() - 1 - border));
}

TEST_P(WindowLooks, ImportAndExportKeepTheirControlsClearOfTheTitleBar) {
    ImportBase base;
    base.open();
    app::ImportWindow import(base.file, base.images);
    app::ExportWindow exportWindow(base.file);
    for (QDialog* window : {static_cast<QDialog*>(&import), static_cast<QDialog*>(&exportWindow)}) {
        applyLook(window, look(), QString());
        window->show();
        QApplication::processEvents();
        const std::string name = window->objectName().toStdString();
        auto* form = window->findChild<TsuiForm*>();
        TsuiTitleBar* bar = form->TitleBar();
        // Every control starts under the title bar and ends inside the panel: the window
        // is as much taller as its look's title bar.
        const QRect inside(bar->mapTo(window, bar->rect().bottomLeft() + QPoint(0, 1)),
                           form->mapTo(window, form->rect().bottomRight()));
        for (QWidget* control :
             form->FormPanel()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isHidden())
                continue;
            const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
            EXPECT_TRUE(inside.contains(place))
                << name << " " << control->objectName().toStdString() << " at " << place.y();
        }
        EXPECT_EQ(form->FormPanel()->geometry().top(), bar->height()) << name;
        // The panel under the bar is the content's height; the frame's border rounding
        // may give it one more row.
        const int content = window == &import ? app::ImportWindow::kContentHeight
                                              : app::ExportWindow::kContentHeight;
        EXPECT_GE(form->FormPanel()->height(), content) << name;
        EXPECT_LE(form->FormPanel()->height(), content + 1) << name;
    }
}

// The toolkit's window colour replaced by one no look uses, for as long as it lives, so
// that every pixel drawn in it can be found.
class MarkedToolkitColour {
public:
    static constexpr QRgb kMark = 0x12FE34;
    MarkedToolkitColour() : m_saved(QApplication::palette()) {
        QPalette marked = m_saved;
        marked.setColor(QPalette::Window, QColor::fromRgb(kMark));
        QApplication::setPalette(marked);
    }
    ~MarkedToolkitColour() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

TEST_P(WindowLooks, NothingShowsTheToolkitColourOrABlackPatch) {
    MarkedToolkitColour marked;
    LookedWindows w(look());
    const QRgb toolkit = MarkedToolkitColour::kMark;
    for (QWidget* window : w.windows()) {
        const QImage image = shot(window);
        EXPECT_EQ(countPixels(image, toolkit), 0) << window->objectName().toStdString();
        const QList<QPoint> black = blackPatches(image);
        EXPECT_TRUE(black.isEmpty()) << window->objectName().toStdString() << " at "
                                     << black.value(0).x() << "," << black.value(0).y();
    }
    // Group boxes take the panel's colour, not a colour of their own.
    const QColor panel = w.form1.ui.suiForm1->palette().color(QPalette::Window);
    EXPECT_EQ(w.form1.ui.data->palette().color(QPalette::Window), panel);
    EXPECT_EQ(w.form1.ui.suiToolBar1->palette().color(QPalette::Window), panel);
}

TEST_P(WindowLooks, GroupBoxLineIsHalfTheStoredFontHeightDown) {
    LookedWindows w(look());
    TsuiGroupBox* box = w.form1.ui.suiGroupBox2;
    const QImage image = shot(box);
    const QRgb line = box->BorderColor().toQColor().rgb();
    // The left edge runs down from y = 11 / 2 + 1, where the top line runs on both sides
    // of the caption's gap.
    const int right = image.width() - 2;
    EXPECT_EQ(image.pixel(0, 6), line);
    EXPECT_NE(image.pixel(0, 5), line);
    for (int x : {1, right}) {
        EXPECT_EQ(image.pixel(x, 6), line) << x;
        EXPECT_NE(image.pixel(x, 5), line) << x;
        EXPECT_NE(image.pixel(x, 7), line) << x;
    }
}

TEST_P(WindowLooks, CaptionsReadAgainstTheirTitleBars) {
    LookedWindows w(look());
    for (QWidget* window : w.windows()) {
        // The caption of the active window, which is the one to read.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        TsuiTitleBar* bar = window->findChild<TsuiForm*>()->TitleBar();
        const QString caption = bar->Caption();
        const QImage with = shot(bar);
        bar->setCaption(QString());
        const QImage without = shot(bar);
        bar->setCaption(caption);
        // The bar behind the caption's letters: where the caption changed a pixel, the
        // bar without it and the text colour must differ enough.
        const QRgb textColour = bar->FontColor().toQColor().rgb();
        const double text = luminance(textColour);
        double sum = 0;
        int n = 0, smoothed = 0;
        for (int y = 0; y < with.height(); ++y) {
            for (int x = 0; x < with.width(); ++x) {
                if (with.pixel(x, y) == without.pixel(x, y))
                    continue;
                sum += luminance(without.pixel(x, y));
                ++n;
                // Unsmoothed text: every pixel it changes takes the text colour itself.
                smoothed += (with.pixel(x, y) & 0xFFFFFF) != (textColour & 0xFFFFFF);
            }
        }
        const std::string name = window->objectName().toStdString();
        ASSERT_GT(n, 50) << name; // the caption is drawn
        EXPECT_EQ(smoothed, 0) << name;
        EXPECT_GE(contrast(text, sum / n), 4.5) << name;
    }
}

TEST(WindowLooksMacOS, TheTitleBarHasNoSeamWhereItsPicturesJoin) {
    LookedWindows w({uiStyleName(TsuiUIStyle::MacOS), true, TsuiUIStyle::MacOS});
    TsuiTitleBar* bar = w.form1.ui.suiForm1->TitleBar();
    bar->setCaption(QString());
    const QImage image = shot(bar);
    // Its stripes run level: each row keeps its colour (give or take the smoothing of the
    // outline) from inside the left picture, across the join with the stretched middle
    // one, to well into that.
    auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 4 && std::abs(qGreen(a) - qGreen(b)) <= 4 &&
               std::abs(qBlue(a) - qBlue(b)) <= 4;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 20; x < 120; ++x)
            ASSERT_TRUE(near(image.pixel(x, y), image.pixel(20, y))) << x << "," << y;
}

TEST(WindowText, TheMenuBarWritesInTheMenuFontWithoutSmoothing) {
    TestFolder folder;
    TForm1 form;
    const skin::frame::MenuBarLook& look = form.ui.suiForm1->MenuBar()->Look();
    EXPECT_EQ(look.font.family(), "Tahoma");
    EXPECT_EQ(look.font.pixelSize(), 11);
    // "Файл" on the bar: the bar's colour and the text's, nothing in between.
    const QImage image = shot(form.ui.suiForm1->MenuBar()->Buttons().value(0));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(colours, QSet<QRgb>({look.barColor.toQColor().rgb() & 0xFFFFFF,
                                   look.fontColor.toQColor().rgb() & 0xFFFFFF}));
}

TEST(WindowText, TheAboutTitleIsEmboldenedByDrawingItTwice) {
    TestFolder folder;
    TForm4 about;
    QLabel* title = about.ui.Label1;
    const QImage image = shot(title);
    const QRgb ink = title->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
    // Every horizontal run of ink is at least two pixels wide: each stroke drawn twice,
    // one pixel apart.
    int inked = 0, thin = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != ink)
                continue;
            ++inked;
            const bool left = x > 0 && (image.pixel(x - 1, y) & 0xFFFFFF) == ink;
            const bool right = x + 1 < image.width() && (image.pixel(x + 1, y) & 0xFFFFFF) == ink;
            thin += !left && !right;
        }
    }
    EXPECT_GT(inked, 100);
    EXPECT_EQ(thin, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryLook, WindowLooks, ::testing::ValuesIn(kBuiltInStyles),
                         [](const ::testing::TestParamInfo<TsuiUIStyle>& info) {
                             return uiStyleName(info.param).toStdString();
                         });

} // namespace
