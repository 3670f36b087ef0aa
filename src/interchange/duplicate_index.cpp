#include "interchange/duplicate_index.h"

#include "store/codec1251.h"
#include "store/record_scan.h"

namespace interchange {

namespace {

QString nameKey(const store::ContactRecord& record) {
    const QString name = record.field(store::ContactField::FullName).simplified();
    return store::decode1251(store::UpperCase1251(store::encode1251(name)));
}

QString emailKey(const store::ContactRecord& record) {
    return record.field(store::ContactField::Email).trimmed().toLower();
}

QString phoneKey(const store::ContactRecord& record) {
    return normalisedPhone(record.field(store::ContactField::Telephone));
}

} // namespace

QString normalisedPhone(const QString& telephone) {
    QString digits;
    for (const QChar c : telephone) {
        if (c.isDigit())
            digits.append(c);
    }
    // 8 912 ... and +7 912 ... dial the same number.
    if (digits.size() == 11 && (digits[0] == QLatin1Char('8') || digits[0] == QLatin1Char('7')))
        digits.remove(0, 1);
    return digits;
}

DuplicateIndex DuplicateIndex::ofBase(store::DataFile& file) {
    DuplicateIndex index;
    store::forEachRecord(
        file, [&index](int32_t, const store::ContactRecord& record) { index.add(record); });
    return index;
}

void DuplicateIndex::add(const store::ContactRecord& record) {
    if (const QString name = nameKey(record); !name.isEmpty())
        m_names.insert(name);
    if (const QString phone = phoneKey(record); !phone.isEmpty())
        m_phones.insert(phone);
    if (const QString email = emailKey(record); !email.isEmpty())
        m_emails.insert(email);
}

bool DuplicateIndex::matches(const store::ContactRecord& record) const {
    const QString name = nameKey(record);
    const QString phone = phoneKey(record);
    const QString email = emailKey(record);
    return (!name.isEmpty() && m_names.contains(name)) ||
           (!phone.isEmpty() && m_phones.contains(phone)) ||
           (!email.isEmpty() && m_emails.contains(email));
}

} // namespace interchange
