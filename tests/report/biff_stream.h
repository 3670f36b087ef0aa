#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// The records of a workbook stream as the tests look at them: identifier, where the
// record starts in the stream, and its data.
struct BiffRecord {
    uint16_t id;
    qsizetype offset;
    QByteArray data;
};

std::vector<BiffRecord> biffRecords(const QByteArray& stream);
std::vector<BiffRecord> withId(const std::vector<BiffRecord>& all, uint16_t id);

// Little-endian fields at a byte offset.
uint16_t u16(const QByteArray& data, qsizetype at);
uint32_t u32(const QByteArray& data, qsizetype at);
