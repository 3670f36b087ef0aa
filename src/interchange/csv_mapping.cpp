#include "interchange/csv_mapping.h"

#include "interchange/text_fields.h"

#include <QMap>

#include <algorithm>
#include <initializer_list>

namespace interchange {

namespace {

bool hasAny(const QString& header, std::initializer_list<const char*> words) {
    return std::any_of(words.begin(), words.end(), [&header](const char* word) {
        return header.contains(QString::fromUtf8(word));
    });
}

bool isAny(const QString& header, std::initializer_list<const char*> words) {
    return std::any_of(words.begin(), words.end(),
                       [&header](const char* word) { return header == QString::fromUtf8(word); });
}

// Home first, then an address of no kind, then work, then any other.
int addressRank(const QString& header) {
    if (hasAny(header, {"formatted"}))
        return -1; // one column that holds the whole address already
    if (hasAny(header, {"home", "домашн", "личн"}))
        return 0;
    if (hasAny(header, {"business", "work", "рабоч", "служеб"}))
        return 2;
    if (hasAny(header, {"other", "друг"}))
        return 3;
    return 1;
}

int phoneRank(const QString& header) {
    if (hasAny(header, {"mobile", "cell", "мобильн", "сотов"}))
        return 0;
    if (hasAny(header, {"primary", "основн"}))
        return 1;
    if (hasAny(header, {"home", "домашн"}))
        return 3;
    if (hasAny(header, {"business", "work", "рабоч", "служеб"}))
        return 4;
    if (hasAny(header, {"other", "друг", "car", "pager", "пейджер", "assistant"}))
        return 5;
    return 2;
}

int emailRank(const QString& header) {
    if (hasAny(header, {"2", "3", "secondary", "other", "друг", "дополн"}))
        return 1;
    return 0;
}

ColumnMapping mapped(ColumnRole role, int rank = 0) {
    return {role, rank};
}

} // namespace

ColumnMapping columnFor(const QString& rawHeader) {
    const QString header = rawHeader.trimmed().toLower();
    if (header.isEmpty() || hasAny(header, {"type", "тип", "yomi"}))
        return {};
    if (isAny(header, {"фио", "ф.и.о.", "полное имя", "name", "full name", "display name",
                       "отображаемое имя", "выводимое имя", "имя и фамилия", "fn"}))
        return mapped(ColumnRole::FullName);
    if (isAny(header, {"фамилия", "last name", "family name", "surname", "n"}))
        return mapped(ColumnRole::LastName);
    if (isAny(header, {"имя", "first name", "given name"}))
        return mapped(ColumnRole::FirstName);
    if (isAny(header, {"отчество", "middle name", "additional name", "второе имя"}))
        return mapped(ColumnRole::MiddleName);
    if (hasAny(header, {"e-mail", "email", "эл. почт", "электронн", "почта"})) {
        if (hasAny(header, {"display", "отображаем"}))
            return {};
        return mapped(ColumnRole::Email, emailRank(header));
    }
    if (hasAny(header, {"fax", "факс"}))
        return {};
    if (hasAny(header, {"phone", "телефон", "mobile", "мобильн", "сотов"}) ||
        header.startsWith(QStringLiteral("tel")))
        return mapped(ColumnRole::Telephone, phoneRank(header));
    if (isAny(header, {"организация", "компания", "company", "organization", "organisation",
                       "место работы", "organization 1 - name", "org"}))
        return mapped(ColumnRole::Workplace);
    if (isAny(header, {"должность", "job title", "organization 1 - title"}))
        return mapped(ColumnRole::JobTitle);
    if (hasAny(header, {"web", "sip", "voip", "ip-", "url", "сайт", "label"}))
        return {};
    if (header.startsWith(QStringLiteral("adr")))
        return {ColumnRole::Address, addressRank(header), true};
    if (hasAny(header,
               {"адрес", "address", "street", "city", "state", "zip", "postal", "country", "region",
                "улица", "город", "индекс", "страна", "область", "p.o.box", "po box"}))
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
        const QString value = singleLine(row[k]);
        if (value.isEmpty())
            continue;
        const ColumnMapping& column = columns[k];
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
