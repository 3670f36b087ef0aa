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

// A keyboard that records the groups it was told to lock.
class RecordingKeyboard : public platform::KeyboardGroups {
public:
    explicit RecordingKeyboard(QStringList groups) : m_groups(std::move(groups)) {}
    QStringList names() const override { return m_groups; }
    void lock(int group) override { locked << group; }
    QList<int> locked;

private:
    QStringList m_groups;
};

TEST(KeyboardLayout, LocksTheRussianGroupOnceAndNothingElse) {
    RecordingKeyboard three({"English (US)", "German", "Russian"});
    EXPECT_EQ(platform::lockRussianGroup(three), 2);
    EXPECT_EQ(three.locked, QList<int>{2});

    RecordingKeyboard none({"English (US)", "Ukrainian"});
    EXPECT_EQ(platform::lockRussianGroup(none), -1);
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
