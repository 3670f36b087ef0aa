#pragma once

#include "store/data_file.h"

#include <QStringList>

#include <cstdint>
#include <optional>

namespace store {

// Search by full name over the data file, in whole-file passes of large blocks.

// The full names of all records, in file order.
QStringList readFullNames(DataFile& file);

// The index of the first record, in file order, whose full name equals `name` exactly
// (case-sensitive, over the whole text), or nothing when no record has it.
std::optional<int32_t> findFullName(DataFile& file, const QString& name);

// The names in the order of the search list: Russian, locale-aware and case-insensitive;
// names that compare equal keep their file order.
QStringList sortedForSearchList(const QStringList& names);

} // namespace store
