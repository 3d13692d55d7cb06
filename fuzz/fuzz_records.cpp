// SPDX-License-Identifier: GPL-3.0-or-later
// record.txt as a player may have edited it: the end-of-game check and the storing agree,
// storing keeps a well-formed table, and the list sorts whatever is there.
#include "core/text_file.h"
#include "fuzz_check.h"
#include "records/records_file.h"
#include "records/records_list.h"

#include <QRegularExpression>

#include <algorithm>

using namespace quilora;
using records::Insertion, records::Record;

namespace {

// The mark of the slowest record, repeated or not, at a line's end.
const QRegularExpression kMarks(QStringLiteral("(~\\^)+$"));

// The lines that are not blank, without their marks.
QStringList unmarked(const QStringList& lines) {
    QStringList result;
    for (const QString& line : lines)
        if (const QString bare = QString(line).remove(kMarks); !bare.trimmed().isEmpty())
            result.append(bare);
    return result;
}

double slowest(const QList<Record>& records) {
    return std::ranges::max(records, {}, &Record::seconds).seconds;
}

void checkStoring(const QStringList& lines, const QList<Record>& records, double seconds) {
    // The time as the clock shows it, which reads back as the same number.
    const QString newLine =
        records::recordLine({QString::number(seconds, 'g', 17), "Fuzz", "Set", "4", "05.12.2026"});
    const Insertion insertion = records::insertRecord(lines, newLine, seconds);
    // More than ten records are refused; else the victory panel offers to store exactly the
    // times that storing then takes.
    const bool enters = records::rank(records, seconds) != records::Outcome::NoEntry;
    FUZZ_CHECK(insertion.status == (records.size() > 10 ? Insertion::Refused
                                    : enters            ? Insertion::Stored
                                                        : Insertion::NotAmongBest));
    if (insertion.status != Insertion::Stored)
        return;

    // At most ten records, and one mark, on a slowest record.
    const QList<Record> after = records::readRecords(insertion.lines);
    FUZZ_CHECK(after.size() == std::min<qsizetype>(records.size() + 1, 10));
    FUZZ_CHECK(insertion.lines.filter(kMarks).size() == 1);
    FUZZ_CHECK(std::ranges::any_of(
        after, [&](auto& record) { return record.marked && record.seconds == slowest(after); }));
    // No line is lost but a slowest record of a full table, and none comes but the new one.
    QStringList missing = unmarked(lines) << newLine;
    for (const QString& kept : unmarked(insertion.lines))
        FUZZ_CHECK(missing.removeOne(kept));
    const QList<Record> lost = records::readRecords(missing);
    FUZZ_CHECK(missing.size() == lost.size() && lost.size() == records.size() + 1 - after.size());
    FUZZ_CHECK(lost.isEmpty() || lost[0].seconds == slowest(records));
}

void checkList(const QList<Record>& records, const QLocale& locale) {
    const QList<records::RecordRow> rows = records::recordRows(records, locale);
    // Whatever the fields hold, every column sorts to a permutation of the rows (a comparator
    // that is not a strict weak order makes std::sort run off the list).
    for (int column = 0; column < 5; ++column) {
        QList<records::RecordRow> sorted = rows;
        records::sortRows(sorted, column, locale);
        FUZZ_CHECK(std::ranges::is_permutation(sorted, rows));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = core::decodeLines(fuzz::bytesOf(data, size));
    const QList<Record> records = records::readRecords(lines);
    for (const Record& record : records)
        FUZZ_CHECK(record.fields.size() == 5 && qIsFinite(record.seconds) &&
                   record.marked == lines[record.line].contains(kMarks));

    // Times faster, equal to and slower than those in the file.
    QList<double> times = {0, 0.1, 47.3, 999, 1e9};
    for (const Record& record : records.mid(0, 12))
        times << record.seconds << record.seconds - 0.1 << record.seconds + 0.1;
    for (const double seconds : times)
        checkStoring(lines, records, seconds);

    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia)})
        checkList(records.mid(0, 10), locale);
    return 0;
}
