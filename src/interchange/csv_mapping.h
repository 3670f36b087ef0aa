#pragma once

#include "interchange/contact.h"
#include "interchange/csv_reader.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace interchange {

// What a CSV column holds for a record.
enum class ColumnRole {
    Ignored,
    FullName,
    LastName,
    FirstName,
    MiddleName,
    Address,
    Telephone,
    Workplace,
    JobTitle,
    Email,
};

// The role of a column and, among columns of the same role, its rank: the address of the
// lowest rank that a row fills is taken whole (a home address before a work one), and
// the phone or e-mail of the lowest rank is the one kept (a mobile before a home phone).
struct ColumnMapping {
    ColumnRole role = ColumnRole::Ignored;
    int rank = 0;
    // A vCard-style "ADR" column: its parts are separated by ";".
    bool structured = false;
};

// Which column goes to which field of a record. Built from the headers the common
// exporters write, in Russian and English; the caller may correct any column.
class CsvMapping {
public:
    static CsvMapping fromHeaders(const QStringList& headers);

    QList<ColumnMapping> columns;

    // The contact a row gives. The full name is the full-name column when the row fills
    // it, else last, first and middle names joined.
    Contact contact(const QStringList& row) const;
};

// The role (and rank) a header names; Ignored for a header the mapping does not know.
ColumnMapping columnFor(const QString& header);

// The contacts of every row that gives one.
ContactList csvContacts(const CsvTable& table, const CsvMapping& mapping);

} // namespace interchange
