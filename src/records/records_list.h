#pragma once

#include "game/form1.h"
#include "records/records_file.h"

namespace quilora::records {

// The Time column's text: two blanks before a time under 10 seconds, one under 100.
QString paddedTime(const QString& time, double seconds);

// The rows of the records list, numbered by place: the fastest is 1, equal times keep their
// order in the file. Dates are read in the locale's short format where they can be.
QList<game::RecordRow> recordRows(const QList<Record>& records, const QLocale& locale);

// Sorts ascending by a column: names and sets as text in the locale's order, regardless of
// case; places and times by value; dates by date (dates that cannot be read after the others).
// Equal keys keep their order.
void sortRows(QList<game::RecordRow>& rows, int column, const QLocale& locale);

} // namespace quilora::records
