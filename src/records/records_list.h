// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/records_file.h"

#include <QDate>
#include <QList>

namespace quilora::records {

// One row of the records list.
struct RecordRow {
    QString name;
    int icon = 0; // 1 to 8; any other value shows no icon
    int place = 0;
    QString time; // in ASCII digits, padded on the left
    QString set;
    QString date; // in ASCII digits
    double seconds = 0;
    QDate day; // invalid when the date cannot be read
    friend bool operator==(const RecordRow&, const RecordRow&) = default;
};

// The Time column's text: two blanks before a time under 10 seconds, one under 100.
QString paddedTime(const QString& time, double seconds);

// The rows of the records list, numbered by place: the fastest is 1, equal times keep their
// order in the file. Dates are read in the locale's short format where they can be.
QList<RecordRow> recordRows(const QList<Record>& records, const QLocale& locale);

// Sorts ascending by a column: names and sets as text in the locale's order, regardless of
// case; places and times by value; dates by date (dates that cannot be read after the others).
// Equal keys keep their order.
void sortRows(QList<RecordRow>& rows, int column, const QLocale& locale);

} // namespace quilora::records
