#pragma once

#include <QString>

namespace orvel {

// Reads the fields of the place database's text files, which are stored masked:
// every byte is the plain text's byte XOR 0xA9, with no header or length.
//
// Field syntax, shared by all database files: a field that begins with '"' runs up
// to the next '"' not directly preceded by a backslash (or to the end of the data),
// may hold tabs and line breaks, and has every \" in it read as "; the closing
// quote is consumed. Any other field runs up to the next tab, LF or CR. After a
// field exactly one tab is skipped if one follows; otherwise every CR and LF that
// follows is skipped, so a line may end in any run of them and a tab at the end of
// a line yields one more, empty, field. Records have no length; readers take a
// fixed number of fields per record.
class FieldReader {
public:
    // Where a field's raw text lies in the data: [begin, end), quoted or not.
    struct Span {
        qsizetype begin = 0;
        qsizetype end = 0;
        bool quoted = false;
    };

    static constexpr unsigned char Mask = 0xA9;

    // Masks plain text or unmasks masked text in place; applying it twice restores it.
    static void UnmaskBuffer(char *data, qsizetype length);

    // The field at `position`, which moves past it and its separator. Never reads at
    // or beyond `length`; a position outside [0, length) yields an empty field and
    // moves to `length`, so reading loops always end. Bytes are ISO 8859-1.
    static QString ReadField(const char *data, qsizetype length, qsizetype &position);
    static QString ReadField(const QChar *data, qsizetype length, qsizetype &position);

    // As ReadField on bytes, without building the value; for scans that compare
    // most fields against one key.
    static Span ScanField(const char *data, qsizetype length, qsizetype &position);
    // The value of a scanned field.
    static QString valueOf(const char *data, const Span &span);
};

} // namespace orvel
