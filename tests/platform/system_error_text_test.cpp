#include "platform/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>

using platform::systemErrorText;

namespace {

std::error_code posix(int value) {
    return {value, std::generic_category()};
}

} // namespace

// The usual causes are named in Russian, whichever category the code comes in.
TEST(SystemErrorText, NamesTheUsualCausesInRussian) {
    EXPECT_EQ(systemErrorText(posix(ENOSPC)), "на диске нет места");
    EXPECT_EQ(systemErrorText(posix(EDQUOT)), "на диске нет места");
    EXPECT_EQ(systemErrorText(std::error_code(ENOSPC, std::system_category())),
              "на диске нет места");
    EXPECT_EQ(systemErrorText(posix(EACCES)), "нет доступа к файлу");
    EXPECT_EQ(systemErrorText(posix(EROFS)), "диск доступен только для чтения");
    EXPECT_EQ(systemErrorText(posix(ENOENT)), "файл не найден");
    EXPECT_EQ(systemErrorText(posix(EISDIR)), "указана папка, а не файл");
    EXPECT_EQ(systemErrorText(posix(EIO)), "ошибка чтения или записи на диске");
}

// Anything else keeps the system's number and description so it can still be looked up.
TEST(SystemErrorText, AnUnusualCauseKeepsItsNumberAndDescription) {
    const QString text = systemErrorText(posix(ETXTBSY));
    EXPECT_TRUE(text.startsWith(QStringLiteral("системная ошибка %1 (").arg(ETXTBSY)))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(')'));
}
