#include "store/search_collation.h"

#include <QLocale>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace store {

QCollator searchListCollator() {
    QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

QString SearchCollationTable::alphabet() {
    QString letters = QStringLiteral(" '(),-.0123456789");
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        letters += QChar(c);
        letters += QChar(char16_t(c + 32));
    }
    for (char16_t c = 0x0410; c <= 0x044F; ++c)
        letters += QChar(c);
    return letters + u'Ё' + u'ё';
}

SearchCollationTable::SearchCollationTable(const QCollator& collator) {
    QString sorted = alphabet();
    std::stable_sort(sorted.begin(), sorted.end(), [&collator](QChar a, QChar b) {
        return collator.compare(QStringView(&a, 1), QStringView(&b, 1)) < 0;
    });
    // Two neighbours that differ share their base letter when the base letter that
    // follows them decides: "x2" sorts after "y1" only if x and y tie on the first level.
    const auto sameBase = [&collator](QChar x, QChar y) {
        return collator.compare(QString(x) + u'2', QString(y) + u'1') > 0;
    };
    Weights weights{1, 0};
    for (qsizetype k = 0; k < sorted.size(); ++k) {
        if (k > 0) {
            const QChar previous = sorted[k - 1], current = sorted[k];
            if (collator.compare(QStringView(&previous, 1), QStringView(&current, 1)) != 0) {
                if (sameBase(previous, current)) {
                    ++weights.accent;
                } else {
                    ++weights.base;
                    weights.accent = 0;
                }
            }
        }
        m_weights[sorted[k].unicode()] = weights;
    }
}

std::optional<std::vector<int>> SearchCollationTable::order(const QStringList& names) const {
    // Each key: the base letters, a 0, then the accents (offset by one so they are never
    // 0). A 0 is below every letter, so a name that starts another sorts first.
    std::vector<unsigned char> keys;
    std::vector<size_t> starts;
    starts.reserve(names.size() + 1);
    for (const QString& name : names) {
        starts.push_back(keys.size());
        const size_t base = keys.size();
        keys.resize(base + 2 * size_t(name.size()) + 1);
        unsigned char* out = keys.data() + base;
        for (qsizetype k = 0; k < name.size(); ++k) {
            const char16_t c = name[k].unicode();
            if (c >= kLimit || m_weights[c].base == 0)
                return std::nullopt;
            out[k] = m_weights[c].base;
            out[name.size() + 1 + k] = m_weights[c].accent + 1;
        }
        out[name.size()] = 0;
    }
    starts.push_back(keys.size());

    std::vector<int> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    const unsigned char* bytes = keys.data();
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const size_t lengthA = starts[a + 1] - starts[a], lengthB = starts[b + 1] - starts[b];
        const int difference =
            std::memcmp(bytes + starts[a], bytes + starts[b], std::min(lengthA, lengthB));
        return difference != 0 ? difference < 0 : lengthA < lengthB;
    });
    return order;
}

} // namespace store
