#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace record_fixture {

QByteArray fileBytes(const QList<ContactRecord>& records) {
    QByteArray bytes;
    for (const ContactRecord& r : records)
        bytes.append(reinterpret_cast<const char*>(r.bytes().data()), ContactRecord::kSize);
    return bytes;
}

QStringList namesIn(const QByteArray& bytes) {
    QStringList names;
    for (qsizetype at = 0; at + qsizetype(ContactRecord::kSize) <= bytes.size();
         at += ContactRecord::kSize) {
        ContactRecord r;
        std::copy_n(bytes.constData() + at, ContactRecord::kSize, r.bytes().begin());
        names << r.field(ContactField::FullName);
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
