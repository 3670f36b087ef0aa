#pragma once

#include <QCollator>
#include <QStringList>

#include <optional>
#include <vector>

namespace store {

// The order of the search list: Russian, locale-aware and case-insensitive (the
// collator below), names that compare equal keeping their order.
QCollator searchListCollator();

// The collator's order over a small alphabet (Cyrillic and Latin letters, digits, the blank
// and a few punctuation marks), read from the collator once, as byte keys that sort names
// of that alphabet exactly as the collator does, at a fraction of the collator's cost.
//
// Within the alphabet each character is one letter of the collator's first level (its
// base letter) and, among letters of equal base, one step of its second level (accents;
// case is not compared). Names then compare base letter by base letter, a shorter name
// first when it is the start of the other, and only on equal base letters by the accents,
// first difference first: the collator's own rule for such text.
class SearchCollationTable {
public:
    explicit SearchCollationTable(const QCollator& collator);

    // The positions of the names in the order of the search list, or nothing when a name
    // holds a character outside the alphabet.
    std::optional<std::vector<int>> order(const QStringList& names) const;

    // The characters the table covers.
    static QString alphabet();

private:
    struct Weights {
        unsigned char base = 0;   // 0: not in the alphabet
        unsigned char accent = 0; // rank among characters of the same base
    };
    static constexpr char16_t kLimit = 0x0460; // past the last character of the alphabet

    std::vector<Weights> m_weights = std::vector<Weights>(kLimit);
};

} // namespace store
