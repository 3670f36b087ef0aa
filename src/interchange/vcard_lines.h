#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

#include <functional>

namespace interchange {

// One property of a vCard as it stands in the file, still in bytes: "item1.TEL;TYPE=CELL:+7..."
// is group "item1", name "TEL", the parameter ("TYPE", "CELL") and the value.
struct ContentLine {
    QByteArray group;
    QByteArray name; // upper case
    // Upper-case names with their values as written; a bare parameter ("QUOTED-PRINTABLE",
    // Apple's "BASE64", 2.1's "HOME") has an empty name and the parameter as its value.
    QList<QPair<QByteArray, QByteArray>> parameters;
    QByteArray value;

    // The value of the named parameter, or of the bare one that is the same word when
    // the name is empty in the file; empty when absent.
    QByteArray parameter(const QByteArray& name) const;
    // Whether any parameter, bare or a TYPE= list item, is the word (any case).
    bool hasWord(const QByteArray& word) const;
};

// Splits the bytes of a vCard file into properties. Lines end in CRLF, LF, CR or CR CR LF;
// a line that starts with a space or a tab continues the one before (the fold removed,
// on bytes, so a fold inside a UTF-8 letter joins it again); a quoted-printable value
// continues after a line ending in "=", and a 2.1 base64 value over the following lines
// that hold no ":". Lines without a ":" are skipped. Each property is handed to `visit`
// as soon as it is complete, so a large file is never held twice.
void forEachContentLine(const QByteArray& bytes,
                        const std::function<void(const ContentLine& property)>& visit);

} // namespace interchange
