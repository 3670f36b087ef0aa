#pragma once

#include "store/contact_record.h"
#include "store/data_file.h"

#include <QSet>
#include <QString>

namespace interchange {

// A telephone number reduced to its digits, with a Russian number's trunk prefix taken
// off, so that "8 (912) 345-67-89" and "+7 912 345 67 89" are the same; empty for a
// text without digits.
QString normalisedPhone(const QString& telephone);

// The records already in a base, to find the likely duplicates among new ones: the same
// full name (case and spaces aside), the same telephone or the same e-mail (case aside).
class DuplicateIndex {
public:
    static DuplicateIndex ofBase(store::DataFile& file);

    void add(const store::ContactRecord& record);
    bool matches(const store::ContactRecord& record) const;

private:
    QSet<QString> m_names;
    QSet<QString> m_phones;
    QSet<QString> m_emails;
};

} // namespace interchange
