// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace quilora::records {

// record.txt holds one record per line: Time~Name~Set~Icon~Date. The slowest record, which the
// next better time displaces from a full table, carries a trailing "~^".

inline constexpr int kTableSize = 10;

// A time as the file or the clock holds it: digits of any script, and "." "," or the Arabic
// decimal separator ("47,3", "47.3", "٤٧٫٣"); nothing when it is no finite number.
std::optional<double> parseTime(const QString& text);

// A time or a date as record.txt holds it: the digits of any script as ASCII digits, without
// the invisible direction marks of right-to-left locales. So it reads back under any locale and
// lists alike everywhere; the locale's separators stay as they are.
QString plainNumerals(const QString& text);

// Today's date as a record holds it: the locale's short format, in plain numerals.
QString recordDate(QDate day, const QLocale& locale);

struct Record {
    int line = 0;       // index among the file's lines
    QStringList fields; // Time, Name, Set, Icon, Date
    double seconds = 0;
    bool marked = false;
};

// The records among a file's lines. Blank lines, lines of fewer than five fields and lines
// whose Time is no number are no records and are left out. Fields are cut to 64 characters.
QList<Record> readRecords(const QStringList& lines);

enum class Outcome { First, TopTen, NoEntry };

// A time enters while the table has room or when some record is slower; it is first when no
// record is faster (an equal time does not stop it).
Outcome rank(const QList<Record>& records, double seconds);

// One record line from its fields; a "~" or a line break inside a field would break the line
// apart, so they become "-" and a blank.
QString recordLine(const QStringList& fields);

// The default table: one marked record of 999 seconds, dated 30 days before today.
QString defaultRecordLine(QDate today, const QLocale& locale);

struct Insertion {
    enum Status {
        Stored,
        Refused,      // more than ten records: the file must be mended by hand
        NotAmongBest, // a full table with no slower record
    };
    Status status = Refused;
    QStringList lines; // the new file, when stored
};

// Stores a record: unmarked lines keep their order, the marked record follows them and the
// new record comes last. A full table loses its slowest record. Afterwards exactly one line,
// the slowest record's, carries the mark. Lines that are no records are kept, without a mark;
// blank lines are dropped.
Insertion insertRecord(const QStringList& lines, const QString& newLine, double seconds);

} // namespace quilora::records
