// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/records_list.h"

#include <QCollator>

#include <algorithm>

namespace quilora::records {
namespace {

QDate readDate(const QString& text, const QLocale& locale) {
    // Records hold plain numerals (older ones the locale's own digits and direction marks); no
    // locale writes its short dates with names, but for the C locale's English months.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QDate date = QDate::fromString(plainNumerals(text), plainNumerals(format));
    // Two-digit years read as 19xx; the game never stores a date from before 2000.
    if (date.isValid() && date.year() < 2000 && !format.contains(QLatin1String("yyyy")))
        date = date.addYears(100);
    for (const char* format : {"dd.MM.yyyy", "yyyy-MM-dd", "d/M/yyyy", "M/d/yyyy"}) {
        if (date.isValid())
            break;
        date = QDate::fromString(text, QLatin1String(format));
    }
    return date;
}

} // namespace

QString paddedTime(const QString& time, double seconds) {
    if (seconds < 10)
        return QStringLiteral("  ") + time;
    if (seconds < 100)
        return QStringLiteral(" ") + time;
    return time;
}

QList<RecordRow> recordRows(const QList<Record>& records, const QLocale& locale) {
    QList<RecordRow> rows;
    for (const Record& record : records) {
        RecordRow row;
        row.name = record.fields[1];
        bool ok = false;
        row.icon = record.fields[3].trimmed().toShort(&ok);
        if (!ok)
            row.icon = 0;
        row.seconds = record.seconds;
        // Listed as the game writes them, also when an older game wrote the locale's own digits.
        row.time = paddedTime(plainNumerals(record.fields[0]), record.seconds);
        row.set = record.fields[2];
        row.date = plainNumerals(record.fields[4]);
        row.day = readDate(record.fields[4], locale);
        rows.append(row);
    }
    sortRows(rows, 2, locale);
    for (int i = 0; i < rows.size(); ++i)
        rows[i].place = i + 1;
    return rows;
}

void sortRows(QList<RecordRow>& rows, int column, const QLocale& locale) {
    using Row = RecordRow;
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto byText = [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    };
    switch (column) {
    case 0:
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const Row& a, const Row& b) { return byText(a.name, b.name); });
        break;
    case 1:
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Row& a, const Row& b) { return a.place < b.place; });
        break;
    case 2:
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Row& a, const Row& b) { return a.seconds < b.seconds; });
        break;
    case 3:
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const Row& a, const Row& b) { return byText(a.set, b.set); });
        break;
    case 4:
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
            if (a.day.isValid() != b.day.isValid())
                return a.day.isValid();
            if (a.day.isValid() && a.day != b.day)
                return a.day < b.day;
            return byText(a.date, b.date);
        });
        break;
    default:
        break;
    }
}

} // namespace quilora::records
