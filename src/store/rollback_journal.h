#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace store {

// The rollback journal of the data file, "Baza.dat-journal" beside it. Before a change
// overwrites or cuts away bytes of the data file, those bytes and the file's size go into
// the journal, which is flushed to the disk with its name; only then is the data file
// changed and flushed, and removing the journal commits the change. A journal found later
// means a change was cut short: its bytes go back and the file is exactly as before.
//
// Layout, integers little-endian: "KALMOJR1", the file's size, the offset the saved bytes
// start at, their length, a checksum of them and one of the 40 bytes before it (48 bytes
// in all), then the saved bytes. A journal that does not check out was cut short while it
// was written, before the data file was touched, and is only removed.
//
// Every function throws DataFileError when the file system fails it.

QString journalPath(const QString& dataPath);

constexpr int kJournalHeaderSize = 48;

// Saves the bytes of the open data file `fd` from `from` to its end, and its size, and
// returns once they and the journal's name are on the disk. `known` holds the first of
// those bytes when the caller has read them already; the rest are read from the file.
void writeJournal(int fd, const QString& dataPath, int64_t from,
                  std::span<const unsigned char> known = {});

// Removes the journal and flushes its folder: the change is durable.
void commitJournal(const QString& dataPath);

// Puts back what a complete journal holds, flushes the data file and removes the journal;
// removes a journal that is incomplete or not a file. Returns true when bytes went back.
bool rollBackJournal(int fd, const QString& dataPath);

// The same for a data file that is not open; nothing happens without a journal.
void rollBackJournalOf(const QString& dataPath);

} // namespace store
