#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace record_fixture {

QByteArray fileBytes(const QList<store::ContactRecord>& records) {
    QByteArray bytes;
    for (const store::ContactRecord& r : records)
        bytes.append(reinterpret_cast<const char*>(r.bytes().data()), store::ContactRecord::kSize);
    return bytes;
}

QStringList namesIn(const QByteArray& bytes) {
    QStringList names;
    for (qsizetype at = 0; at + qsizetype(store::ContactRecord::kSize) <= bytes.size();
         at += store::ContactRecord::kSize) {
        store::ContactRecord r;
        std::copy_n(bytes.constData() + at, store::ContactRecord::kSize, r.bytes().begin());
        names << r.field(store::ContactField::FullName);
    }
    return names;
}

TForm1& WindowFixture::openWindow() {
    m_window.reset();
    m_window = std::make_unique<TForm1>();
    return *m_window;
}

QStringList enabledOf(const TForm1& window, const QStringList& names) {
    QStringList enabled;
    for (const QString& name : names) {
        auto* control = window.findChild<QWidget*>(name);
        if (!control)
            ADD_FAILURE() << "no control " << name.toStdString();
        else if (control->isEnabled())
            enabled << name;
    }
    enabled.sort();
    return enabled;
}

} // namespace record_fixture
