#include "skin/controls/button.h"
#include "skin/frame/message_dialog.h"
#include "skin/frame/message_window.h"
#include "skin/frame/sui_form.h"
#include "skin/paint/keyed_blit.h"
#include "skin/themes/cut_frame.h"
#include "skin/themes/skin_resources.h"
#include "support/modal_script.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>

using namespace skin::themes;

namespace {

// The main window's notice, as it is configured there.
void configureNotice(TsuiMessageDialog& dialog) {
    dialog.setCaption(QStringLiteral("Внимание!"));
    dialog.setText(QStringLiteral("Необходимо задать путь к папке с изображениями"));
    dialog.setUIStyle(TsuiUIStyle::WinXP);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    dialog.setFont(font);
}

QStringList captions(const TfrmMsg& window) {
    QStringList result;
    for (const TsuiButton* button : window.buttons())
        result << button->text();
    return result;
}

} // namespace

TEST(MessageDialog, StartsWithItsDefaults) {
    TsuiMessageDialog dialog;
    EXPECT_EQ(dialog.Caption(), "suiDialog");
    EXPECT_EQ(dialog.Text(), "Hello world!");
    EXPECT_EQ(dialog.ButtonCount(), 1);
    EXPECT_EQ(dialog.Button1Caption(), "OK");
    EXPECT_EQ(dialog.Button2Caption(), "Cancel");
    EXPECT_EQ(dialog.Button3ModalResult(), 2);
    EXPECT_EQ(dialog.IconType(), TsuiMessageDialog::suiNone);
    EXPECT_EQ(dialog.Position(), TsuiDialog::poScreenCenter);
    EXPECT_EQ(dialog.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(dialog.ButtonCursor(), Qt::PointingHandCursor);
    EXPECT_TRUE(dialog.CaptionFont().bold());
    EXPECT_EQ(dialog.captionFontColor(), TColor::fromHex(0xFFFFFF));
    dialog.setButtonCount(7);
    EXPECT_EQ(dialog.ButtonCount(), 3);
    dialog.setUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(dialog.captionFontColor(), TColor(0));
}

TEST(MessageDialog, OneLineWithoutIconIsTheNarrowWindowWithTheButtonAtTheRight) {
    TsuiMessageDialog dialog;
    configureNotice(dialog);
    const auto window = dialog.buildWindow();
    EXPECT_EQ(window->width(), 336 - 64);
    EXPECT_EQ(window->height(), 169); // b = 104, + 65
    EXPECT_TRUE(window->Image1->isHidden());
    EXPECT_EQ(window->lbl->pos(), QPoint(24, 64));
    EXPECT_EQ(window->lbl->width(), 225);
    const QList<TsuiButton*> buttons = window->buttons();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->geometry(), QRect(window->width() - 97, 124, 73, 25));
    EXPECT_EQ(buttons[0]->parentWidget(), window->suiForm1);
    EXPECT_EQ(buttons[0]->ModalResult(), 1);
    EXPECT_EQ(buttons[0]->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window->suiForm1->Caption(), "Внимание!");
    EXPECT_EQ(window->suiForm1->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_FALSE(window->suiForm1->Sizeable());
    // Placed in the middle of the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(std::abs(window->geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(window->geometry().center().y() - screen.center().y()), 1);
}

TEST(MessageDialog, ThreeButtonsFillFromTheRightAndTheFocusStartsOnTheFirst) {
    TsuiMessageDialog dialog;
    dialog.setButtonCount(3);
    dialog.setButton1Caption("Да");
    dialog.setButton2Caption("Нет");
    dialog.setButton3Caption("Отмена");
    dialog.setButton1ModalResult(6);
    dialog.setButton2ModalResult(7);
    dialog.setButton3ModalResult(2);
    const auto window = dialog.buildWindow();
    const int W = window->width();
    EXPECT_EQ(W, 336); // three buttons keep the full width even without an icon
    const QList<TsuiButton*> buttons = window->buttons();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(captions(*window), (QStringList{"Отмена", "Нет", "Да"}));
    EXPECT_EQ(buttons[0]->x(), W - 97);
    EXPECT_EQ(buttons[1]->x(), W - 190);
    EXPECT_EQ(buttons[2]->x(), W - 283);
    EXPECT_EQ(buttons[0]->ModalResult(), 2);
    EXPECT_EQ(buttons[1]->ModalResult(), 7);
    EXPECT_EQ(buttons[2]->ModalResult(), 6);
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->focusWidget() == buttons[2]; }));
    // Tab runs from the first button to the right.
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), buttons[1]);
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), buttons[0]);
}

TEST(MessageDialog, AnIconTakesItsFrameAndMovesTheTextRight) {
    TsuiMessageDialog dialog;
    dialog.setIconType(TsuiMessageDialog::suiStop);
    const auto window = dialog.buildWindow();
    EXPECT_EQ(window->width(), 336);
    EXPECT_FALSE(window->Image1->isHidden());
    EXPECT_EQ(window->lbl->pos(), QPoint(88, 64));
    QImage expected;
    CutFrame(loadSkinResource("MSGDLG"), expected, 4, 2);
    const QImage shown = window->Image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown.size(), QSize(42, 42));
    // The frame, with its key-coloured background left out.
    EXPECT_EQ(shown, skin::paint::withoutKey(expected));
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(21, 21)), 255);
}

TEST(MessageDialog, ALongTextPushesTheButtonsToStayTwentyBelowIt) {
    TsuiMessageDialog dialog;
    configureNotice(dialog);
    QStringList lines;
    for (int i = 1; i <= 5; ++i)
        lines << QStringLiteral("Строка %1").arg(i);
    dialog.setText(lines.join('\n'));
    const auto window = dialog.buildWindow();
    const int textBottom = window->lbl->geometry().bottom() + 1;
    EXPECT_GT(textBottom, 104);
    EXPECT_EQ(window->lbl->height(), 5 * QFontMetrics(window->lbl->font()).lineSpacing());
    EXPECT_EQ(window->buttons()[0]->y(), textBottom + 20);
    EXPECT_EQ(window->height(), textBottom + 65);
}

TEST(MessageDialog, CtrlCCopiesTheRuleFramedTextByteForByte) {
    TsuiMessageDialog dialog;
    const auto window = dialog.buildWindow();
    window->show();
    QApplication::clipboard()->clear();
    QTest::keyClick(window->buttons()[0], Qt::Key_C, Qt::ControlModifier);
    const QByteArray expected = "---------------------------\r\n"
                                "suiDialog\r\n"
                                "---------------------------\r\n"
                                "Hello world!\r\n"
                                "---------------------------\r\n"
                                "OK\r\n"
                                "---------------------------";
    EXPECT_EQ(QApplication::clipboard()->text().toUtf8(), expected);

    TsuiMessageDialog notice;
    configureNotice(notice);
    notice.setButtonCount(2);
    const auto second = notice.buildWindow();
    QTest::keyClick(second.get(), Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QApplication::clipboard()->text().split("\r\n");
    ASSERT_EQ(copied.size(), 7);
    EXPECT_EQ(copied[1], "Внимание!");
    EXPECT_EQ(copied[3], "Необходимо задать путь к папке с изображениями");
    EXPECT_EQ(copied[5], "Cancel   OK");
}

TEST(MessageDialog, ShowModalGivesTheButtonsResultAndTheCloseButtonCancel) {
    TsuiMessageDialog dialog;
    dialog.setButtonCount(2);
    dialog.setButton1ModalResult(6);
    ModalScript script;
    script.then([](QWidget* window) {
        auto* message = qobject_cast<TfrmMsg*>(window);
        ASSERT_NE(message, nullptr);
        QTest::keyClick(message, Qt::Key_Escape); // does not close
        QTest::qWait(20);
        EXPECT_TRUE(message->isVisible());
        QTest::mouseClick(message->buttons()[1], Qt::LeftButton); // Button1, at the left
    });
    EXPECT_EQ(dialog.ShowModal(), 6);

    ModalScript closing;
    closing.then([](QWidget* window) { window->close(); });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_EQ(closing.stepsLeft(), 0);
}
