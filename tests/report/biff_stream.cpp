#include "report/biff_stream.h"

#include <QtEndian>

std::vector<BiffRecord> biffRecords(const QByteArray& stream) {
    std::vector<BiffRecord> out;
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const uint16_t size = u16(stream, at + 2);
        out.push_back({u16(stream, at), at, stream.mid(at + 4, size)});
        at += 4 + size;
    }
    return out;
}

std::vector<BiffRecord> withId(const std::vector<BiffRecord>& all, uint16_t id) {
    std::vector<BiffRecord> out;
    for (const BiffRecord& r : all) {
        if (r.id == id)
            out.push_back(r);
    }
    return out;
}

uint16_t u16(const QByteArray& data, qsizetype at) {
    return qFromLittleEndian<quint16>(data.constData() + at);
}

uint32_t u32(const QByteArray& data, qsizetype at) {
    return qFromLittleEndian<quint32>(data.constData() + at);
}
