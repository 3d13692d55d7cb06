// record.txt as a player may have edited it. The check at the end of a game and the storing of
// the record must agree, storing must leave a well-formed table that loses no record it should
// keep, and the records list must rank and sort whatever is there.
#include "core/text_file.h"
#include "fuzz_check.h"
#include "records/records_file.h"
#include "records/records_list.h"

#include <QCollator>

#include <algorithm>
#include <functional>

using namespace quilora;
using records::Insertion;
using records::Outcome;
using records::Record;

namespace {

const QString kMark = QStringLiteral("~^");

double slowestTime(const QList<Record>& records) {
    double slowest = -qInf();
    for (const Record& record : records)
        slowest = std::max(slowest, record.seconds);
    return slowest;
}

QString unmarked(QString line) {
    while (line.endsWith(kMark))
        line.chop(kMark.size());
    return line;
}

QStringList recordLines(const QStringList& lines, const QList<Record>& records) {
    QStringList result;
    for (const Record& record : records)
        result.append(unmarked(lines[record.line]));
    return result;
}

QStringList otherLines(const QStringList& lines, const QList<Record>& records) {
    QStringList result;
    qsizetype next = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (next < records.size() && records[next].line == i)
            ++next;
        else if (!unmarked(lines[i]).trimmed().isEmpty())
            result.append(unmarked(lines[i]));
    }
    return result;
}

void checkStoring(const QStringList& lines, const QList<Record>& records, double seconds) {
    // The time as the clock shows it, which reads back as the same number.
    const QString newLine = records::recordLine(
        {QString::number(seconds, 'g', 17), QStringLiteral("Fuzz"), QStringLiteral("Set"),
         QStringLiteral("4"), QStringLiteral("05.12.2026")});
    const Insertion insertion = records::insertRecord(lines, newLine, seconds);
    if (records.size() > records::kTableSize) {
        FUZZ_CHECK(insertion.status == Insertion::Refused);
        return;
    }
    // The victory panel offers to store exactly the times that storing then takes.
    const bool enters = records::rank(records, seconds) != Outcome::NoEntry;
    FUZZ_CHECK(enters == (insertion.status == Insertion::Stored));
    if (!enters)
        return;

    const QStringList& written = insertion.lines;
    const QList<Record> after = records::readRecords(written);
    const bool full = records.size() == records::kTableSize;
    FUZZ_CHECK(after.size() == (full ? records.size() : records.size() + 1));

    // One mark, on a record, and on a slowest one.
    qsizetype marks = 0;
    for (const QString& line : written)
        marks += line.endsWith(kMark) ? 1 : 0;
    FUZZ_CHECK(marks == 1);
    const auto marked = std::find_if(after.begin(), after.end(),
                                     [](const Record& record) { return record.marked; });
    FUZZ_CHECK(marked != after.end());
    FUZZ_CHECK(marked->seconds == slowestTime(after));

    // Every record is kept, and the new one is added; a full table loses one slowest record.
    QStringList missing = recordLines(lines, records) << newLine;
    for (const QString& kept : recordLines(written, after))
        FUZZ_CHECK(missing.removeOne(kept));
    if (full) {
        FUZZ_CHECK(missing.size() == 1);
        const QList<Record> lost = records::readRecords(missing);
        FUZZ_CHECK(lost.size() == 1 && lost[0].seconds == slowestTime(records));
    } else {
        FUZZ_CHECK(missing.isEmpty());
    }
    // Lines that are no records stay, in their order and without a mark.
    FUZZ_CHECK(otherLines(written, after) == otherLines(lines, records));
}

void checkList(const QList<Record>& records, const QLocale& locale) {
    const QList<game::RecordRow> rows = records::recordRows(records, locale);
    FUZZ_CHECK(rows.size() == records.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(rows[i].place == i + 1);
        FUZZ_CHECK(i == 0 || rows[i - 1].seconds <= rows[i].seconds);
    }
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    using Row = game::RecordRow;
    const auto undated = [](const Row& a, const Row& b) {
        return (a.day.isValid() || !b.day.isValid()) &&
               (!a.day.isValid() || !b.day.isValid() || a.day <= b.day);
    };
    const std::function<bool(const Row&, const Row&)> inOrder[] = {
        [&](const Row& a, const Row& b) { return collator.compare(a.name, b.name) <= 0; },
        [](const Row& a, const Row& b) { return a.place < b.place; },
        [](const Row& a, const Row& b) { return a.seconds <= b.seconds; },
        [&](const Row& a, const Row& b) { return collator.compare(a.set, b.set) <= 0; }, undated};
    for (int column = 0; column < 5; ++column) {
        QList<Row> sorted = rows;
        records::sortRows(sorted, column, locale);
        FUZZ_CHECK(sorted.size() == rows.size());
        for (const Row& row : rows)
            FUZZ_CHECK(sorted.contains(row));
        for (qsizetype i = 1; i < sorted.size(); ++i)
            FUZZ_CHECK(inOrder[column](sorted[i - 1], sorted[i]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = core::splitLines(core::decodeText(fuzz::bytesOf(data, size)));
    const QList<Record> records = records::readRecords(lines);
    for (const Record& record : records) {
        FUZZ_CHECK(record.fields.size() == 5);
        FUZZ_CHECK(qIsFinite(record.seconds));
        FUZZ_CHECK(record.marked == lines[record.line].endsWith(kMark));
    }

    // Times faster, equal to and slower than those in the file.
    QList<double> times = {0, 0.1, 47.3, 999, 1e9};
    for (const Record& record : records.mid(0, 12))
        times << record.seconds << record.seconds - 0.1 << record.seconds + 0.1;
    for (const double seconds : times)
        checkStoring(lines, records, seconds);

    const QList<Record> shown = records.mid(0, records::kTableSize);
    checkList(shown, QLocale::c());
    checkList(shown, QLocale(QLocale::Russian, QLocale::Russia));
    return 0;
}
