#pragma once

#include "interchange/contact.h"
#include "store/contact_record.h"

#include <QList>
#include <QString>

namespace interchange {

// What a record cannot keep of a contact exactly.
struct KeepNotes {
    QList<store::ContactField> cut;      // longer than the field's 50 bytes
    QList<store::ContactField> replaced; // characters outside code page 1251 became "?"
    int droppedPhones = 0;
    int droppedEmails = 0;
    bool photoDropped = false; // the photo could not be read or stored

    bool exact() const {
        return cut.isEmpty() && replaced.isEmpty() && droppedPhones == 0 && droppedEmails == 0 &&
               !photoDropped;
    }
    // The note shown beside the contact, in Russian; empty when it is kept exactly.
    QString text() const;
};

// The record that keeps the contact's five texts (no photo path yet), and what it could
// not keep.
store::ContactRecord keptRecord(const Contact& contact, KeepNotes* notes);

// The field's name as the notes say it ("ФИО", "адрес" ...).
QString fieldName(store::ContactField field);

} // namespace interchange
