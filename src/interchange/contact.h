#pragma once

#include "interchange/text_encoding.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace interchange {

// One contact as a file gives it, before it meets the five fields of a record: the texts
// in full, the photo as the file holds it, and how many more phones and e-mails the
// contact had than a record keeps.
struct Contact {
    QString fullName;
    QString address;
    QString telephone;
    QString workplace;
    QString email;
    QByteArray photo; // the picture file's bytes, any format; empty without a photo
    int extraPhones = 0;
    int extraEmails = 0;

    bool isEmpty() const {
        return fullName.isEmpty() && address.isEmpty() && telephone.isEmpty() &&
               workplace.isEmpty() && email.isEmpty() && photo.isEmpty();
    }
};

// The contacts a file holds and the encoding its texts were read in.
struct ContactList {
    QList<Contact> contacts;
    TextEncoding encoding = TextEncoding::Utf8;
};

} // namespace interchange
