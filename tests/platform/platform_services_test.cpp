#include "platform/application_title.h"
#include "platform/base_folder.h"
#include "platform/hint_pause.h"
#include "platform/keyboard_layout.h"
#include "platform/message_box_recorder.h"
#include "platform/message_boxes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>

using platform::ShownBox;

TEST(ApplicationTitle, IsTheExecutableNameWithTheFirstLetterKept) {
    EXPECT_EQ(platform::applicationTitleFor("/usr/bin/kalmo"), "kalmo");
    EXPECT_EQ(platform::applicationTitleFor("/opt/KALMO.EXE"), "Kalmo");
    EXPECT_EQ(platform::applicationTitleFor("/opt/my.Book.exe"), "my.book");
}

TEST(KeyboardLayout, ChoosesTheRussianGroup) {
    EXPECT_EQ(platform::russianGroupIndex({"English (US)", "Russian"}), 1);
    EXPECT_EQ(platform::russianGroupIndex({"Russian (phonetic)", "German", "Russian"}), 2);
    EXPECT_EQ(platform::russianGroupIndex({"English (US)", "Russian (phonetic)"}), 1);
    EXPECT_EQ(platform::russianGroupIndex({"English (US)", "Ukrainian"}), -1);
    EXPECT_EQ(platform::russianGroupIndex({}), -1);
}

// A keyboard that records the groups it was told to lock, and follows them as a real one
// does; the user changes the group in use by setting inUse.
class RecordingKeyboard : public platform::KeyboardGroups {
public:
    RecordingKeyboard(QStringList groups, int start) : inUse(start), m_groups(std::move(groups)) {}
    QStringList names() const override { return m_groups; }
    int current() const override { return inUse; }
    void lock(int group) override {
        locked << group;
        inUse = group;
    }
    int inUse;
    QList<int> locked;

private:
    QStringList m_groups;
};

TEST(KeyboardLayout, RussianWhileActiveAndTheUsersLayoutBackAfterwards) {
    RecordingKeyboard keyboard({"English (US)", "German", "Russian"}, 1);
    platform::RussianLayoutWhileActive layout(keyboard);
    layout.activated();
    EXPECT_EQ(keyboard.locked, QList<int>{2});
    layout.activated(); // a second window of the program becomes active
    EXPECT_EQ(keyboard.locked, QList<int>{2});
    layout.deactivated();
    EXPECT_EQ(keyboard.locked, (QList<int>{2, 1}));
    layout.deactivated(); // nothing more to give back
    EXPECT_EQ(keyboard.locked, (QList<int>{2, 1}));

    // Elsewhere the user picks English; back in the program it is Russian again, and
    // leaving gives English back, even after switching by hand inside the program.
    keyboard.inUse = 0;
    layout.activated();
    keyboard.inUse = 1;
    layout.deactivated();
    EXPECT_EQ(keyboard.locked, (QList<int>{2, 1, 2, 0}));
    EXPECT_EQ(keyboard.inUse, 0);
}

TEST(KeyboardLayout, LeavesAKeyboardAloneThatIsRussianAlreadyOrHasNoRussianGroup) {
    RecordingKeyboard russian({"English (US)", "Russian"}, 1);
    platform::RussianLayoutWhileActive onRussian(russian);
    onRussian.activated();
    onRussian.deactivated();
    EXPECT_TRUE(russian.locked.isEmpty());

    RecordingKeyboard none({"English (US)", "Ukrainian"}, 0);
    platform::RussianLayoutWhileActive noRussian(none);
    noRussian.activated();
    noRussian.deactivated();
    EXPECT_TRUE(none.locked.isEmpty());
}

TEST(KeyboardLayout, ChangesNothingWithoutAnXServer) {
    // The tests run on the offscreen platform, which has no X keyboard to switch.
    ASSERT_NE(QGuiApplication::platformName(), QLatin1String("xcb"));
    EXPECT_EQ(platform::activateRussianKeyboard(), -1);
}

TEST(HintPause, IsAnsweredByTheApplicationStyle) {
    platform::setHintPause(1);
    EXPECT_EQ(platform::hintPause(), 1);
    platform::setHintPause(700);
    EXPECT_EQ(platform::hintPause(), 700);
}

TEST(BaseFolder, ResolvesNamesAgainstOneAbsoluteFolder) {
    platform::BaseFolder::set("relative/inner");
    EXPECT_TRUE(QDir::isAbsolutePath(platform::BaseFolder::path()));
    EXPECT_EQ(platform::BaseFolder::filePath("Baza.dat"),
              QDir::current().absoluteFilePath("relative/inner/Baza.dat"));
}

TEST(MessageBoxes, CarryTheirKindsCaptionsAndAnswers) {
    platform::MessageBoxRecorder recorder;
    recorder.answer = [](const ShownBox& box) {
        return box.kind == ShownBox::Confirmation;
    };
    platform::showMessage("notice");
    EXPECT_TRUE(platform::confirm("sure?"));
    EXPECT_FALSE(platform::askInformation("open?"));
    platform::showError("File not found");

    ASSERT_EQ(recorder.boxes.size(), 4);
    EXPECT_EQ(recorder.boxes[0].caption, platform::applicationTitle());
    EXPECT_EQ(recorder.boxes[1].caption, "Confirm");
    EXPECT_EQ(recorder.boxes[2].caption, "Information");
    EXPECT_EQ(recorder.boxes[3].caption, platform::applicationTitle());
    EXPECT_EQ(recorder.texts(ShownBox::Error), QStringList{"File not found"});
}
