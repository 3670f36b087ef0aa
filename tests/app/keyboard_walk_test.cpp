// The main window used with the keyboard alone: every key goes where the keyboard focus
// is (an open list, a message box, or the window's focused control), as a user's would.
#include "app/main_window.h"
#include "support/test_folder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Where a key pressed now would go.
QWidget* keyboardTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = QApplication::activeWindow();
    if (!window)
        return nullptr;
    return window->focusWidget() ? window->focusWidget() : window;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = QString()) {
    QWidget* target = keyboardTarget();
    ASSERT_NE(target, nullptr);
    QTest::sendKeyEvent(QTest::Click, target, key, text, modifiers);
}

// Steps that each wait for their moment (a list open, a box shown) and then press keys.
class KeyWalk {
public:
    struct Step {
        const char* name;
        std::function<bool()> ready;
        std::function<void()> keys;
    };
    explicit KeyWalk(QList<Step> steps) : m_steps(std::move(steps)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            // The keys run on their own, so a box they open (with its own event loop)
            // leaves this timer free for the steps after it.
            if (m_next < m_steps.size() && m_steps[m_next].ready())
                QTimer::singleShot(0, m_steps[m_next++].keys);
        });
        m_timer.start(10);
    }
    bool finished() const { return m_next == m_steps.size(); }
    const char* waitingFor() const { return finished() ? "nothing" : m_steps[m_next].name; }

private:
    QList<Step> m_steps;
    qsizetype m_next = 0;
    QTimer m_timer;
};

class KeyboardWalk : public ::testing::Test {
protected:
    KeyboardWalk() {
        folder.writeRecords("Baza.dat", {makeRecord("Иванов"), makeRecord("Петров")});
        form = std::make_unique<TForm1>();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->ui.fio->setFocus();
    }
    QMenu* fileList() const { return form->ui.N1->menu(); }
    bool listShows(QAction* item) const {
        return fileList()->isVisible() && fileList()->activeAction() == item;
    }
    bool windowHasKeyboard() const {
        if (QApplication::activePopupWidget() || QApplication::activeModalWidget())
            return false;
        // A window manager gives the activation back when a box closes; this platform
        // has none.
        if (!QApplication::activeWindow())
            form->activateWindow();
        return QApplication::activeWindow() == form.get();
    }

    TestFolder folder;
    std::unique_ptr<TForm1> form;
};

TEST_F(KeyboardWalk, BackupThenExitWithKeysOnly) {
    QString boxText;
    KeyWalk walk({
        {"the window", [&] { return windowHasKeyboard(); },
         [] {
             press(Qt::Key_F10);
         }},
        {"the list on its first item", [&] { return listShows(form->ui.N3); },
         [] {
             press(Qt::Key_Down);
         }},
        {"the backup item", [&] { return listShows(form->ui.N4); },
         [] {
             press(Qt::Key_Return);
         }},
        {"the message",
         [&] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
         [&] {
             boxText = static_cast<QMessageBox*>(QApplication::activeModalWidget())->text();
             press(Qt::Key_Return);
         }},
        {"the window again", [&] { return windowHasKeyboard(); },
         [] {
             press(Qt::Key(0x0424), Qt::AltModifier, QStringLiteral("ф"));
         }},
        {"the list again", [&] { return listShows(form->ui.N3); },
         [] {
             press(Qt::Key_Up);
         }},
        {"the exit item", [&] { return listShows(form->ui.N6); },
         [] {
             press(Qt::Key_Return);
         }},
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return walk.finished() && !form->isVisible(); }, 5000))
        << "waiting for " << walk.waitingFor();
    EXPECT_EQ(boxText, QStringLiteral("Резервная копия базы была успешно создана"));
    EXPECT_EQ(readWholeFile(folder.filePath("Копия/Baza.dat")), folder.readBytes("Baza.dat"));
}

TEST_F(KeyboardWalk, EscapeClosesTheListAndTheFocusIsWhereItWas) {
    form->ui.tel->setFocus();
    press(Qt::Key_F10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return listShows(form->ui.N3); }));
    press(Qt::Key_Down);
    EXPECT_TRUE(listShows(form->ui.N4));
    press(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fileList()->isVisible(); }));
    EXPECT_EQ(QApplication::focusWidget(), form->ui.tel);
}

TEST_F(KeyboardWalk, TheArrowsReachTheContactItems) {
    press(Qt::Key_F10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return listShows(form->ui.N3); }));
    for (QAction* next :
         {form->ui.N4, form->ui.N15, form->ui.N5, form->ui.N16, form->ui.N17, form->ui.N6}) {
        press(Qt::Key_Down);
        EXPECT_TRUE(listShows(next)) << next->objectName().toStdString();
    }
    press(Qt::Key_Escape);
}

TEST_F(KeyboardWalk, AltWithTheMenuLetterOpensItOnEitherLayout) {
    // The Latin layout: the key that carries Ф types "a".
    press(Qt::Key_A, Qt::AltModifier, QStringLiteral("a"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return listShows(form->ui.N3); }));
    press(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fileList()->isVisible(); }));
    // Another letter opens nothing.
    press(Qt::Key_B, Qt::AltModifier, QStringLiteral("b"));
    QTest::qWait(20);
    EXPECT_FALSE(fileList()->isVisible());
    // A disabled item opens nothing.
    form->ui.N1->setEnabled(false);
    press(Qt::Key_F10);
    QTest::qWait(20);
    EXPECT_FALSE(fileList()->isVisible());
}

TEST_F(KeyboardWalk, AltSpaceStillOpensTheWindowMenu) {
    press(Qt::Key_Space, Qt::AltModifier, QStringLiteral(" "));
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_NE(popup, fileList());
    EXPECT_STREQ(popup->metaObject()->className(), "TsuiTitleBarPopupMenu");
    popup->close();
}

} // namespace
