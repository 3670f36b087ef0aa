#include "crash_script.h"

#include <QStringList>

#include <stdexcept>

namespace crash_script {

QString versionName(int serial) {
    return QStringLiteral("Контакт %1").arg(serial, 6, 10, QLatin1Char('0'));
}

store::ContactRecord recordNamed(const QString& fullName) {
    store::ContactRecord record;
    record.store(store::ContactField::FullName, fullName);
    record.store(store::ContactField::Address, QStringLiteral("ул. Садовая, ") + fullName);
    record.store(store::ContactField::Telephone, QStringLiteral("+7 ") + fullName.right(6));
    record.store(store::ContactField::Workplace, QStringLiteral("Завод № ") + fullName.right(6));
    record.store(store::ContactField::Email, fullName.right(6) + QStringLiteral("@example.ru"));
    return record;
}

void apply(const Op& op, Model& model) {
    switch (op.kind) {
    case Kind::New:
        model.base.append(op.written);
        break;
    case Kind::Change:
        model.base.removeOne(op.target);
        model.base.append(op.written);
        break;
    case Kind::Delete:
        model.base.removeOne(op.target);
        break;
    case Kind::Backup:
        model.backup = model.base;
        break;
    case Kind::Clear:
        model.base.clear();
        break;
    case Kind::Restore:
        if (!model.backup)
            throw std::logic_error("restore without a backup");
        model.base = *model.backup;
        break;
    case Kind::PhotoPathRefresh:
    case Kind::PhotoReplace:
    case Kind::PhotoRemove:
        throw std::logic_error("photo operations are not modelled");
    }
}

QByteArray fileBytes(const QList<QString>& names) {
    QByteArray bytes;
    bytes.reserve(names.size() * qsizetype(store::ContactRecord::kSize));
    for (const QString& name : names) {
        const store::ContactRecord record = recordNamed(name);
        bytes.append(reinterpret_cast<const char*>(record.bytes().data()),
                     store::ContactRecord::kSize);
    }
    return bytes;
}

Generator::Generator(uint32_t seed, Model start, int firstSerial)
    : m_random(seed), m_model(std::move(start)), m_serial(firstSerial) {}

QList<Op> Generator::next(int count) {
    QList<Op> ops;
    auto add = [&](Op op) {
        apply(op, m_model);
        ops.append(std::move(op));
    };
    while (ops.size() < count) {
        const int roll = int(m_random() % 100);
        const int size = int(m_model.base.size());
        auto anyRecord = [&] {
            return m_model.base.at(int(m_random() % uint32_t(size)));
        };
        if (roll < 30 || size < 2) {
            add({Kind::New, {}, versionName(m_serial++)});
        } else if (roll < 60) {
            add({Kind::Change, anyRecord(), versionName(m_serial++)});
        } else if (roll < 88) {
            add({Kind::Delete, anyRecord(), {}});
        } else if (roll < 94 || !m_model.backup) {
            add({Kind::Backup, {}, {}});
        } else if (roll < 97) {
            add({Kind::Clear, {}, {}});
            add({Kind::Restore, {}, {}});
        } else {
            add({Kind::Restore, {}, {}});
        }
    }
    return ops;
}

QByteArray toText(const QList<Op>& ops) {
    QByteArray text;
    for (const Op& op : ops)
        text += char(op.kind) + ('\t' + op.target + '\t' + op.written + '\n').toUtf8();
    return text;
}

QList<Op> fromText(const QByteArray& text) {
    QList<Op> ops;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        const QStringList parts = QString::fromUtf8(line).split('\t');
        if (parts.size() != 3 || parts[0].size() != 1)
            throw std::runtime_error("bad script line");
        ops.append({Kind(parts[0].at(0).toLatin1()), parts[1], parts[2]});
    }
    return ops;
}

} // namespace crash_script
