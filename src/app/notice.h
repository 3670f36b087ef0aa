#pragma once

#include <QString>

#include <stdexcept>

namespace app {

// An ordinary situation that ends a handler at the step that met it, told to the user in
// a plain notice rather than as an error: nothing is damaged and nothing went wrong.
class Notice : public std::runtime_error {
public:
    explicit Notice(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The texts of those situations and of the failures a user can act on.
inline const QString kNoRecords = QStringLiteral("В базе нет записей");
inline const QString kNoMoreRecords = QStringLiteral("Больше записей нет");
inline const QString kContactNotFound = QStringLiteral("Контакт с таким ФИО не найден");
inline const QString kBaseNotOpen = QStringLiteral("База не открыта");
inline const QString kRestoreFailed = QStringLiteral("Не удалось восстановить базу: %1");

} // namespace app
