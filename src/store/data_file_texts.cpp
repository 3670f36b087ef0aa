#include "store/data_file_texts.h"

namespace store {

QString baseGoneText(const QString& path, BaseGone how) {
    const QString what = how == BaseGone::Deleted
                             ? QStringLiteral("Файл базы «%1» удалён другой программой")
                             : QStringLiteral("Файл базы «%1» заменён другой программой");
    return what.arg(path) +
           QStringLiteral(" после того, как Записная книжка его открыла. Изменение не "
                          "сохранено. Закройте программу и откройте её снова, чтобы работать "
                          "с базой, которая сейчас лежит в папке.");
}

QString readOnlyText(const QString& path) {
    return QStringLiteral("База «%1» открыта только для чтения: в файл или его папку писать "
                          "нельзя, поэтому изменения не могут быть сохранены.")
        .arg(path);
}

QString notRegularText(const QString& path) {
    return QStringLiteral("«%1» — не файл базы, а канал или устройство: открыть его нельзя.")
        .arg(path);
}

QString tooLargeText(const QString& path) {
    return QStringLiteral("База «%1» слишком велика: в ней больше 2 147 483 647 записей, "
                          "столько программа сосчитать не может.")
        .arg(path);
}

} // namespace store
