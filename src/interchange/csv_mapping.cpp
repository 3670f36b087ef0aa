#include "interchange/csv_mapping.h"

#include "interchange/text_fields.h"

#include <QMap>

#include <algorithm>
#include <initializer_list>

namespace interchange {

namespace {

// The words are compared where they stand, with nothing converted or allocated: a file
// may have thousands of columns.
bool hasAny(const QString& header, std::initializer_list<QStringView> words) {
    return std::any_of(words.begin(), words.end(),
                       [&header](QStringView word) { return header.contains(word); });
}

bool isAny(const QString& header, std::initializer_list<QStringView> words) {
    return std::any_of(words.begin(), words.end(),
                       [&header](QStringView word) { return header == word; });
}

// Home first, then an address of no kind, then work, then any other.
int addressRank(const QString& header) {
    if (hasAny(header, {u"formatted"}))
        return -1; // one column that holds the whole address already
    if (hasAny(header, {u"home", u"домашн", u"личн"}))
        return 0;
    if (hasAny(header, {u"business", u"work", u"рабоч", u"служеб"}))
        return 2;
    if (hasAny(header, {u"other", u"друг"}))
        return 3;
    return 1;
}

int phoneRank(const QString& header) {
    if (hasAny(header, {u"mobile", u"cell", u"мобильн", u"сотов"}))
        return 0;
    if (hasAny(header, {u"primary", u"основн"}))
        return 1;
    if (hasAny(header, {u"home", u"домашн"}))
        return 3;
    if (hasAny(header, {u"business", u"work", u"рабоч", u"служеб"}))
        return 4;
    if (hasAny(header, {u"other", u"друг", u"car", u"pager", u"пейджер", u"assistant"}))
        return 5;
    return 2;
}

int emailRank(const QString& header) {
    if (hasAny(header, {u"2", u"3", u"secondary", u"other", u"друг", u"дополн"}))
        return 1;
    return 0;
}

ColumnMapping mapped(ColumnRole role, int rank = 0) {
    return {role, rank};
}

} // namespace

ColumnMapping columnFor(const QString& rawHeader) {
    const QString header = rawHeader.trimmed().toLower();
    if (header.isEmpty() || hasAny(header, {u"type", u"тип", u"yomi"}))
        return {};
    if (isAny(header, {u"фио", u"ф.и.о.", u"полное имя", u"name", u"full name", u"display name",
                       u"отображаемое имя", u"выводимое имя", u"имя и фамилия", u"fn"}))
        return mapped(ColumnRole::FullName);
    if (isAny(header, {u"фамилия", u"last name", u"family name", u"surname", u"n"}))
        return mapped(ColumnRole::LastName);
    if (isAny(header, {u"имя", u"first name", u"given name"}))
        return mapped(ColumnRole::FirstName);
    if (isAny(header, {u"отчество", u"middle name", u"additional name", u"второе имя"}))
        return mapped(ColumnRole::MiddleName);
    if (hasAny(header, {u"e-mail", u"email", u"эл. почт", u"электронн", u"почта"})) {
        if (hasAny(header, {u"display", u"отображаем"}))
            return {};
        return mapped(ColumnRole::Email, emailRank(header));
    }
    if (hasAny(header, {u"fax", u"факс"}))
        return {};
    if (hasAny(header, {u"phone", u"телефон", u"mobile", u"мобильн", u"сотов"}) ||
        header.startsWith(QStringLiteral("tel")))
        return mapped(ColumnRole::Telephone, phoneRank(header));
    if (isAny(header, {u"организация", u"компания", u"company", u"organization", u"organisation",
                       u"место работы", u"organization 1 - name", u"org"}))
        return mapped(ColumnRole::Workplace);
    if (isAny(header, {u"должность", u"job title", u"organization 1 - title"}))
        return mapped(ColumnRole::JobTitle);
    if (hasAny(header, {u"web", u"sip", u"voip", u"ip-", u"url", u"сайт", u"label"}))
        return {};
    if (header.startsWith(QStringLiteral("adr")))
        return {ColumnRole::Address, addressRank(header), true};
    if (hasAny(header, {u"адрес", u"address", u"street", u"city", u"state", u"zip", u"postal",
                        u"country", u"region", u"улица", u"город", u"индекс", u"страна", u"область",
                        u"p.o.box", u"po box"}))
        return mapped(ColumnRole::Address, addressRank(header));
    return {};
}

CsvMapping CsvMapping::fromHeaders(const QStringList& headers) {
    CsvMapping mapping;
    for (const QString& header : headers)
        mapping.columns.append(columnFor(header));
    return mapping;
}

Contact CsvMapping::contact(const QStringList& row) const {
    Contact contact;
    QStringList lastName, firstName, middleName, workplace, title;
    // Rank to the parts of that address, and rank to the phones (e-mails) of that rank.
    QMap<int, QStringList> addresses, phones, emails;
    for (qsizetype k = 0; k < columns.size() && k < row.size(); ++k) {
        const ColumnMapping& column = columns[k];
        if (column.role == ColumnRole::Ignored)
            continue;
        const QString value = singleLine(row[k]);
        if (value.isEmpty())
            continue;
        switch (column.role) {
        case ColumnRole::Ignored:
            break;
        case ColumnRole::FullName:
            if (contact.fullName.isEmpty())
                contact.fullName = value;
            break;
        case ColumnRole::LastName:
            lastName.append(value);
            break;
        case ColumnRole::FirstName:
            firstName.append(value);
            break;
        case ColumnRole::MiddleName:
            middleName.append(value);
            break;
        case ColumnRole::Address:
            if (column.structured)
                addresses[column.rank].append(value.split(QLatin1Char(';')));
            else
                addresses[column.rank].append(value);
            break;
        case ColumnRole::Telephone:
            phones[column.rank].append(value);
            break;
        case ColumnRole::Workplace:
            workplace.append(value);
            break;
        case ColumnRole::JobTitle:
            title.append(value);
            break;
        case ColumnRole::Email:
            emails[column.rank].append(value);
            break;
        }
    }
    if (contact.fullName.isEmpty())
        contact.fullName = joinedParts(lastName + firstName + middleName, QStringLiteral(" "));
    if (!addresses.isEmpty())
        contact.address = joinedParts(addresses.first(), QStringLiteral(", "));
    contact.workplace = joinedParts(workplace + title, QStringLiteral(", "));
    const auto pick = [](const QMap<int, QStringList>& byRank, QString& kept, int& others) {
        QStringList all;
        for (const QStringList& values : byRank) {
            for (const QString& value : values) {
                if (!all.contains(value))
                    all.append(value);
            }
        }
        if (all.isEmpty())
            return;
        kept = all.first();
        others = int(all.size()) - 1;
    };
    pick(phones, contact.telephone, contact.extraPhones);
    pick(emails, contact.email, contact.extraEmails);
    return contact;
}

ContactList csvContacts(const CsvTable& table, const CsvMapping& mapping) {
    ContactList list;
    list.encoding = table.encoding;
    for (const QStringList& row : table.rows) {
        Contact contact = mapping.contact(row);
        if (!contact.isEmpty())
            list.contacts.append(std::move(contact));
    }
    return list;
}

} // namespace interchange
