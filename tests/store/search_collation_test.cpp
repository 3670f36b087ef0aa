// The search list's fast order must be the collator's own, name for name; names it cannot
// key go the collator's way.
#include "store/full_name_search.h"
#include "store/search_collation.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// The names in the collator's order, equal names keeping their order.
QStringList collatorOrder(const QStringList& names) {
    const QCollator collator = store::searchListCollator();
    std::vector<int> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return collator.compare(names[a], names[b]) < 0; });
    QStringList sorted;
    for (const int k : order)
        sorted << names[k];
    return sorted;
}

QStringList tableOrder(const QStringList& names) {
    const std::optional<std::vector<int>> order =
        store::SearchCollationTable(store::searchListCollator()).order(names);
    if (!order)
        return {"(not keyed)"};
    QStringList sorted;
    for (const int k : *order)
        sorted << names[k];
    return sorted;
}

QStringList reversed(QStringList names) {
    std::reverse(names.begin(), names.end());
    return names;
}

// Both input orders, so that names the one order ties and the other separates show up.
void expectCollatorOrder(const QStringList& names) {
    EXPECT_EQ(tableOrder(names), collatorOrder(names));
    EXPECT_EQ(tableOrder(reversed(names)), collatorOrder(reversed(names)));
}

} // namespace

TEST(SearchCollation, EveryNameOfOneOrTwoCharactersSortsAsTheCollatorSortsIt) {
    const QString letters = store::SearchCollationTable::alphabet();
    QStringList names = {QString()};
    for (const QChar a : letters) {
        names << QString(a);
        for (const QChar b : letters)
            names << QString(a) + b;
    }
    expectCollatorOrder(names);
}

TEST(SearchCollation, LongerNamesSortAsTheCollatorSortsThem) {
    // Mostly Cyrillic, some Latin, digits and punctuation, with е and ё and cases mixed, and
    // many names that share a start, as surnames do.
    const QString letters = store::SearchCollationTable::alphabet();
    const QStringList stems = {"Иванов", "иванов", "Ёлкин", "Елкин", "Петров-Водкин", "O'Neil"};
    QRandomGenerator random(20261208);
    QStringList names;
    for (int n = 0; n < 20000; ++n) {
        QString name = random.bounded(3) == 0 ? stems[random.bounded(int(stems.size()))] : "";
        const int length = random.bounded(20);
        for (int k = 0; k < length; ++k) {
            const int pick = random.bounded(10);
            name += pick < 7 ? QChar(char16_t(0x0410 + random.bounded(64)))
                             : letters[random.bounded(int(letters.size()))];
        }
        names << name;
    }
    expectCollatorOrder(names);
}

TEST(SearchCollation, NamesWithOtherCharactersAreLeftToTheCollator) {
    const QStringList names = {"Łódź", "Петров", "Єрмак",   QString("Тест\x01"),
                               "№ 5",  "Ёжиков", "Андреев", "«Рога»",
                               "Їжак", "петров"};
    EXPECT_EQ(tableOrder(names), QStringList{"(not keyed)"});
    EXPECT_EQ(store::sortedForSearchList(names), collatorOrder(names));
    EXPECT_EQ(store::sortedForSearchList(reversed(names)), collatorOrder(reversed(names)));
}
