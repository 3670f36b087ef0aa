#include "report/spreadsheet/property_sets.h"

#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/biff_records.h"

#include <QStringDecoder>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <variant>

namespace spreadsheet {
namespace {

using FormatId = std::array<uint8_t, 16>;
// F29F85E0-4FF9-1068-AB91-08002B27B3D9 and D5CDD502-2E9C-101B-9397-08002B2CF9AE, as stored.
constexpr FormatId kSummaryFormat{0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10,
                                  0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};
constexpr FormatId kDocumentSummaryFormat{0x02, 0xD5, 0xCD, 0xD5, 0x9C, 0x2E, 0x1B, 0x10,
                                          0x93, 0x97, 0x08, 0x00, 0x2B, 0x2C, 0xF9, 0xAE};

constexpr uint16_t kByteOrderMark = 0xFFFE;
constexpr uint32_t kSystemIdentifier = 0x00020006; // written on a 32-bit Windows, version 6
constexpr uint32_t kHeaderSize = 28 + 16 + 4;      // one property set

// Property identifiers and value types.
constexpr uint32_t kCodePageId = 1;
constexpr uint32_t kTitleId = 2;
constexpr uint32_t kAuthorId = 4;
constexpr uint32_t kCreatedId = 12;
constexpr uint32_t kScaleId = 11;
constexpr uint32_t kLinksDirtyId = 16;
constexpr uint16_t kI2 = 0x0002;
constexpr uint16_t kBool = 0x000B;
constexpr uint16_t kText = 0x001E; // in the set's code page
constexpr uint16_t kFileTime = 0x0040;

// File times count 100-nanosecond ticks from 1 January 1601, UTC.
constexpr int64_t kTicksPerMillisecond = 10000;
constexpr int64_t kUnixEpochTicks = 116444736000000000;

using Value = std::variant<int16_t, bool, QString, QDateTime>;

QByteArray propertySet(const FormatId& format, const std::map<uint32_t, Value>& properties) {
    std::vector<QByteArray> values;
    for (const auto& [id, value] : properties) {
        ByteWriter out;
        if (const auto* number = std::get_if<int16_t>(&value)) {
            out.u16(kI2);
            out.u16(0);
            out.u16(static_cast<uint16_t>(*number));
        } else if (const auto* flag = std::get_if<bool>(&value)) {
            out.u16(kBool);
            out.u16(0);
            out.u16(*flag ? 0xFFFF : 0);
        } else if (const auto* text = std::get_if<QString>(&value)) {
            out.u16(kText);
            out.u16(0);
            // Size in bytes, the terminating null included.
            out.u32(static_cast<uint32_t>(2 * (text->size() + 1)));
            out.characters(*text, false);
            out.u16(0);
        } else {
            const QDateTime& time = std::get<QDateTime>(value);
            const int64_t ticks = time.toMSecsSinceEpoch() * kTicksPerMillisecond + kUnixEpochTicks;
            out.u16(kFileTime);
            out.u16(0);
            out.u32(static_cast<uint32_t>(ticks));
            out.u32(static_cast<uint32_t>(ticks >> 32));
        }
        while (out.bytes.size() % 4)
            out.u8(0);
        values.push_back(out.bytes);
    }
    ByteWriter set;
    const auto count = static_cast<uint32_t>(properties.size());
    uint32_t offset = 8 + 8 * count;
    uint32_t size = offset;
    for (const QByteArray& v : values)
        size += static_cast<uint32_t>(v.size());
    set.u32(size);
    set.u32(count);
    auto value = values.begin();
    for (const auto& entry : properties) {
        set.u32(entry.first);
        set.u32(offset);
        offset += static_cast<uint32_t>((value++)->size());
    }
    for (const QByteArray& v : values)
        set.bytes += v;

    ByteWriter stream;
    stream.u16(kByteOrderMark);
    stream.u16(0); // version
    stream.u32(kSystemIdentifier);
    for (int i = 0; i < 16; ++i)
        stream.u8(0); // no class
    stream.u32(1);
    for (uint8_t b : format)
        stream.u8(b);
    stream.u32(kHeaderSize);
    return stream.bytes + set.bytes;
}

// A text in a property set's code page, up to its terminating null: UTF-16 as written
// here; in another code page only printable ASCII, which every code page shares, is
// understood. Null for anything else.
std::optional<QString> decodeText(const QByteArray& bytes, uint16_t codePage) {
    if (codePage == kUnicodeCodePage && bytes.size() % 2 == 0) {
        const QString text = QStringDecoder(QStringConverter::Utf16LE).decode(bytes);
        return text.left(text.indexOf(QChar(0)));
    }
    const QByteArray text = bytes.left(bytes.indexOf('\0'));
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return std::nullopt;
    return QString::fromLatin1(text);
}

// The properties of a stream's one property set; values of other types, and texts that
// cannot be read, are left out.
std::map<uint32_t, Value> readPropertySet(const QByteArray& stream, const FormatId& format) {
    ByteReader in(stream.constData(), stream.size());
    if (in.u16() != kByteOrderMark)
        throw WorkbookFormatError("not a property set");
    in.skip(2 + 4 + 16);
    if (in.u32() < 1)
        throw WorkbookFormatError("no property set");
    for (uint8_t b : format) {
        if (in.u8() != b)
            throw WorkbookFormatError("property set of another kind");
    }
    const uint32_t setOffset = in.u32();
    if (setOffset > stream.size())
        throw WorkbookFormatError("property set outside the stream");
    ByteReader set(stream.constData() + setOffset, stream.size() - setOffset);
    const uint32_t size = set.u32();
    if (size > set.remaining() + 4)
        throw WorkbookFormatError("property set larger than its stream");
    const uint32_t count = set.u32();
    std::map<uint32_t, Value> properties;
    std::map<uint32_t, QByteArray> texts; // read once the code page is known
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t id = set.u32();
        const uint32_t offset = set.u32();
        if (offset < 8 || offset >= size)
            throw WorkbookFormatError("property outside its set");
        const char* at = stream.constData() + setOffset + offset;
        ByteReader value(at, size - offset);
        const uint16_t type = value.u16();
        value.skip(2);
        switch (type) {
        case kI2:
            properties[id] = static_cast<int16_t>(value.u16());
            break;
        case kBool:
            properties[id] = value.u16() != 0;
            break;
        case kText: {
            const uint32_t bytes = value.u32();
            value.skip(bytes);
            texts[id] = QByteArray(at + 8, bytes);
            break;
        }
        case kFileTime: {
            // Unsigned, and in milliseconds before the epoch is moved: any stored value
            // gives a time without overflow.
            const uint64_t low = value.u32();
            const uint64_t ticks = low | uint64_t(value.u32()) << 32;
            properties[id] =
                QDateTime::fromMSecsSinceEpoch(static_cast<int64_t>(ticks / kTicksPerMillisecond) -
                                                   kUnixEpochTicks / kTicksPerMillisecond,
                                               QTimeZone::utc());
            break;
        }
        default:
            break;
        }
    }
    const auto codePage = properties.find(kCodePageId);
    const uint16_t textCodePage =
        codePage != properties.end() && std::holds_alternative<int16_t>(codePage->second)
            ? static_cast<uint16_t>(std::get<int16_t>(codePage->second))
            : 0;
    for (const auto& [id, bytes] : texts) {
        if (const auto text = decodeText(bytes, textCodePage))
            properties[id] = *text;
    }
    return properties;
}

template <typename T> T valueOf(const std::map<uint32_t, Value>& properties, uint32_t id) {
    const auto found = properties.find(id);
    if (found == properties.end() || !std::holds_alternative<T>(found->second))
        return T();
    return std::get<T>(found->second);
}

} // namespace

QByteArray summaryInformation(const DocumentProperties& properties) {
    std::map<uint32_t, Value> values{{kCodePageId, static_cast<int16_t>(kUnicodeCodePage)}};
    if (!properties.title.isEmpty())
        values[kTitleId] = properties.title;
    if (!properties.author.isEmpty())
        values[kAuthorId] = properties.author;
    if (properties.created.isValid())
        values[kCreatedId] = properties.created;
    return propertySet(kSummaryFormat, values);
}

QByteArray documentSummaryInformation() {
    return propertySet(kDocumentSummaryFormat,
                       {{kCodePageId, static_cast<int16_t>(kUnicodeCodePage)},
                        {kScaleId, false},
                        {kLinksDirtyId, false}});
}

DocumentProperties readSummaryInformation(const QByteArray& stream) {
    const auto values = readPropertySet(stream, kSummaryFormat);
    return {valueOf<QString>(values, kTitleId), valueOf<QString>(values, kAuthorId),
            valueOf<QDateTime>(values, kCreatedId)};
}

void checkDocumentSummaryInformation(const QByteArray& stream) {
    readPropertySet(stream, kDocumentSummaryFormat);
}

} // namespace spreadsheet
