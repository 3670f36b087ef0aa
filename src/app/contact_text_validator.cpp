#include "app/contact_text_validator.h"

#include "store/codec1251.h"
#include "store/contact_record.h"

#include <algorithm>

namespace app {

QString ContactTextValidator::refusal(const QString& input) {
    const auto outside =
        std::find_if(input.begin(), input.end(), [](QChar c) { return !store::inCodePage1251(c); });
    if (outside != input.end()) {
        // A character outside the basic plane is named whole, not by half.
        const qsizetype at = outside - input.begin();
        const QString character = input.mid(at, outside->isHighSurrogate() ? 2 : 1);
        return QStringLiteral("База не хранит знак «%1»").arg(character);
    }
    if (input.size() > store::ContactRecord::kTextCapacity)
        return QStringLiteral("Не больше %1 знаков").arg(store::ContactRecord::kTextCapacity);
    return QString();
}

QValidator::State ContactTextValidator::validate(QString& input, int&) const {
    const QString why = refusal(input);
    if (why.isEmpty())
        return Acceptable;
    m_lastRefusal = why;
    return Invalid;
}

} // namespace app
