#include "interchange/kept_record.h"

#include "store/codec1251.h"

#include <QStringList>

#include <algorithm>

namespace interchange {

namespace {

const QString& textOf(const Contact& contact, store::ContactField field) {
    switch (field) {
    case store::ContactField::FullName:
        return contact.fullName;
    case store::ContactField::Address:
        return contact.address;
    case store::ContactField::Telephone:
        return contact.telephone;
    case store::ContactField::Workplace:
        return contact.workplace;
    case store::ContactField::Email:
    case store::ContactField::PhotoPath:
        break;
    }
    return contact.email;
}

QString fieldList(const QList<store::ContactField>& fields) {
    QStringList names;
    for (const store::ContactField field : fields)
        names.append(fieldName(field));
    return names.join(QStringLiteral(", "));
}

} // namespace

QString fieldName(store::ContactField field) {
    switch (field) {
    case store::ContactField::FullName:
        return QStringLiteral("ФИО");
    case store::ContactField::Address:
        return QStringLiteral("адрес");
    case store::ContactField::Telephone:
        return QStringLiteral("телефон");
    case store::ContactField::Workplace:
        return QStringLiteral("место работы");
    case store::ContactField::Email:
        return QStringLiteral("e-mail");
    case store::ContactField::PhotoPath:
        break;
    }
    return QStringLiteral("фото");
}

QString KeepNotes::text() const {
    QStringList parts;
    if (!cut.isEmpty())
        parts.append(QStringLiteral("обрезано до 50 знаков: %1").arg(fieldList(cut)));
    if (!replaced.isEmpty())
        parts.append(QStringLiteral("знаки вне кодировки 1251 заменены на «?»: %1")
                         .arg(fieldList(replaced)));
    if (droppedPhones > 0)
        parts.append(QStringLiteral("не сохранены другие телефоны: %1").arg(droppedPhones));
    if (droppedEmails > 0)
        parts.append(QStringLiteral("не сохранены другие e-mail: %1").arg(droppedEmails));
    if (photoDropped)
        parts.append(QStringLiteral("фотография не сохранена"));
    return parts.join(QStringLiteral("; "));
}

store::ContactRecord keptRecord(const Contact& contact, KeepNotes* notes) {
    store::ContactRecord record;
    for (const store::ContactField field : store::kTextFields) {
        const QString& text = textOf(contact, field);
        record.store(field, text);
        if (std::any_of(text.begin(), text.end(),
                        [](QChar c) { return !store::inCodePage1251(c); }))
            notes->replaced.append(field);
        if (store::encode1251(text).size() > store::ContactRecord::capacity(field))
            notes->cut.append(field);
    }
    notes->droppedPhones = contact.extraPhones;
    notes->droppedEmails = contact.extraEmails;
    return record;
}

} // namespace interchange
