#include "skin/controls/button.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A shown, active window holding a button to focus and a button to press with Enter.
struct DialogKeys : ::testing::Test {
    void SetUp() override {
        window.resize(200, 100);
        focused = new TsuiButton(&window);
        target = new TsuiButton(&window);
        target->move(90, 0);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        focused->setFocus();
    }
    QWidget window;
    TsuiButton* focused = nullptr;
    TsuiButton* target = nullptr;
};

QTimer* repeatTimer(TsuiButton& button) {
    return button.findChild<QTimer*>("MouseContinuouslyDownTimer");
}

} // namespace

TEST(ButtonBehaviour, PressingAndMovingOutGivesNoClick) {
    TsuiButton button;
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button.isMouseDown());
    QTest::mouseMove(&button, QPoint(120, 10));
    EXPECT_FALSE(button.isMouseDown());
    EXPECT_FALSE(button.isMouseOn());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(120, 10));
    EXPECT_EQ(clicks.count(), 0);

    // A press and release inside clicks once.
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button.isMouseDown());
}

TEST(ButtonBehaviour, HoldingTheLeftButtonRepeatsEveryIntervalUntilRelease) {
    TsuiButton button;
    EXPECT_EQ(button.MouseContinuouslyDownInterval(), 100);
    QSignalSpy repeats(&button, &TsuiCustomButton::mouseContinuouslyDown);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTimer* timer = repeatTimer(button);
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_FALSE(timer->isSingleShot());
    // Nothing fires at the press itself: the first one comes one period later.
    EXPECT_EQ(repeats.count(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return repeats.count() >= 3; }, 5000));

    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    const int fired = repeats.count();
    QTest::qWait(300);
    EXPECT_EQ(repeats.count(), fired);
}

TEST(ButtonBehaviour, TheRepeatStopsWhenTheMouseLeavesAndFollowsTheInterval) {
    TsuiButton button;
    button.setMouseContinuouslyDownInterval(30);
    QSignalSpy repeats(&button, &TsuiCustomButton::mouseContinuouslyDown);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_NE(repeatTimer(button), nullptr);
    EXPECT_EQ(repeatTimer(button)->interval(), 30);
    EXPECT_TRUE(QTest::qWaitFor([&] { return repeats.count() >= 1; }, 5000));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    const int fired = repeats.count();
    QTest::qWait(150);
    EXPECT_EQ(repeats.count(), fired);
    EXPECT_FALSE(button.isMouseDown());

    // A negative interval counts as 0.
    button.setMouseContinuouslyDownInterval(-5);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_NE(repeatTimer(button), nullptr);
    EXPECT_EQ(repeatTimer(button)->interval(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST_F(DialogKeys, EnterClicksTheDefaultButtonUnlessAModifierIsHeld) {
    target->setDefault(true);
    QSignalSpy targetClicks(target, &QAbstractButton::clicked);
    QSignalSpy focusedClicks(focused, &QAbstractButton::clicked);

    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(targetClicks.count(), 1);
    EXPECT_EQ(focusedClicks.count(), 0);

    for (Qt::KeyboardModifier held : {Qt::ControlModifier, Qt::ShiftModifier, Qt::AltModifier}) {
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Return, held);
        EXPECT_EQ(targetClicks.count(), 1) << held;
    }

    // No longer Default: Enter is the focused button's own key.
    target->setDefault(false);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(targetClicks.count(), 1);
}

TEST_F(DialogKeys, EscapeClicksTheCancelButtonButNotADisabledOne) {
    target->setCancel(true);
    QSignalSpy targetClicks(target, &QAbstractButton::clicked);
    QTest::keyClick(focused, Qt::Key_Escape);
    EXPECT_EQ(targetClicks.count(), 1);
    target->setEnabled(false);
    QTest::keyClick(focused, Qt::Key_Escape);
    EXPECT_EQ(targetClicks.count(), 1);
}

TEST_F(DialogKeys, SpaceAndEnterPressAndReleaseTheFocusedButton) {
    QSignalSpy clicks(focused, &QAbstractButton::clicked);
    QTest::keyPress(focused, Qt::Key_Space);
    EXPECT_TRUE(focused->isMouseDown());
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(focused, Qt::Key_Space);
    EXPECT_FALSE(focused->isMouseDown());
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
    // A disabled button is not pressed by keys.
    focused->setEnabled(false);
    QTest::keyClick(focused, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(DialogKeys, TheCaptionsAcceleratorClicksAtOnce) {
    target->setCaption("&Go");
    QSignalSpy clicks(target, &QAbstractButton::clicked);
    QTest::keyClick(focused, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    // The click takes the focus for a button in the tab order.
    EXPECT_TRUE(target->hasFocus());
}

TEST(ButtonBehaviour, ModalResultClosesAModalDialogAfterTheClickHandler) {
    QDialog dialog;
    auto* ok = new TsuiButton(&dialog);
    ok->setModalResult(1);
    bool openDuringHandler = false;
    QObject::connect(ok, &QAbstractButton::clicked,
                     [&] { openDuringHandler = dialog.isVisible(); });
    QTimer::singleShot(0, ok, [ok] { ok->click(); });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_TRUE(openDuringHandler);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ButtonBehaviour, ModalResultZeroRunsTheHandlerAndLeavesTheDialogOpen) {
    QDialog dialog;
    auto* plain = new TsuiButton(&dialog);
    int handled = 0;
    bool openAfterClick = false;
    QObject::connect(plain, &QAbstractButton::clicked, [&] { ++handled; });
    QTimer::singleShot(0, plain, [plain] { plain->click(); });
    QTimer::singleShot(100, &dialog, [&] {
        openAfterClick = dialog.isVisible();
        dialog.done(7);
    });
    EXPECT_EQ(dialog.exec(), 7);
    EXPECT_EQ(handled, 1);
    EXPECT_TRUE(openAfterClick);
}

TEST(ButtonBehaviour, RemovingTheFileThemeFallsBackToDeepBlue) {
    TsuiButton button;
    auto* theme = new TsuiFileTheme;
    button.setFileTheme(theme);
    button.setUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(button.FileTheme(), theme);
    delete theme;
    EXPECT_EQ(button.FileTheme(), nullptr);
    EXPECT_EQ(button.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_FALSE(button.Transparent());
}
