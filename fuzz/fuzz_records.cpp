// record.txt as a player may have edited it: the end-of-game check and the storing agree,
// storing keeps a well-formed table, and the list ranks and sorts whatever is there.
#include "core/text_file.h"
#include "fuzz_check.h"
#include "records/records_file.h"
#include "records/records_list.h"

#include <algorithm>

using namespace quilora;
using records::Insertion, records::Record;

namespace {

const QString kMark = QStringLiteral("~^");

// Without marks: the lines of the records, or the other lines that are not blank.
QStringList linesOf(const QStringList& lines, const QList<Record>& records, bool ofRecords) {
    QStringList result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        while (line.endsWith(kMark))
            line.chop(kMark.size());
        const bool isRecord = std::ranges::any_of(records, [i](auto& r) { return r.line == i; });
        if (isRecord == ofRecords && !line.trimmed().isEmpty())
            result.append(line);
    }
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
    const bool overfull = records.size() > 10;
    FUZZ_CHECK(overfull == (insertion.status == Insertion::Refused));
    // The victory panel offers to store exactly the times that storing then takes.
    const bool enters = !overfull && records::rank(records, seconds) != records::Outcome::NoEntry;
    FUZZ_CHECK(enters == (insertion.status == Insertion::Stored));
    if (!enters)
        return;

    // At most ten records, and one mark, on a slowest record.
    const QList<Record> after = records::readRecords(insertion.lines);
    FUZZ_CHECK(after.size() == std::min<qsizetype>(records.size() + 1, 10));
    FUZZ_CHECK(std::ranges::count_if(
                   insertion.lines, [](const QString& line) { return line.endsWith(kMark); }) == 1);
    FUZZ_CHECK(std::ranges::any_of(
        after, [&](auto& record) { return record.marked && record.seconds == slowest(after); }));
    // No record is lost, but a slowest one of a full table; other lines stay, in order.
    QStringList missing = linesOf(lines, records, true) << newLine;
    for (const QString& kept : linesOf(insertion.lines, after, true))
        FUZZ_CHECK(missing.removeOne(kept));
    const QList<Record> lost = records::readRecords(missing);
    FUZZ_CHECK(missing.size() == lost.size() && lost.size() == records.size() + 1 - after.size());
    FUZZ_CHECK(lost.isEmpty() || lost[0].seconds == slowest(records));
    FUZZ_CHECK(linesOf(insertion.lines, after, false) == linesOf(lines, records, false));
}

void checkList(const QList<Record>& records, const QLocale& locale) {
    const QList<records::RecordRow> rows = records::recordRows(records, locale);
    FUZZ_CHECK(rows.size() == records.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        FUZZ_CHECK(rows[i].place == i + 1 && (i == 0 || rows[i - 1].seconds <= rows[i].seconds));
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
    const QStringList lines = core::splitLines(core::decodeText(fuzz::bytesOf(data, size)));
    const QList<Record> records = records::readRecords(lines);
    for (const Record& record : records)
        FUZZ_CHECK(record.fields.size() == 5 && qIsFinite(record.seconds) &&
                   record.marked == lines[record.line].endsWith(kMark));

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
