// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/records_file.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quilora::records {
namespace {

const QString kMark = QStringLiteral("~^");

// Every mark goes: a line marked twice by hand must not keep one when it is written back.
QString withoutMark(QString line) {
    while (line.endsWith(kMark))
        line.chop(kMark.size());
    return line;
}

// The record regarded as the slowest: the greatest time; among equal times the one that
// carries the mark, else the last.
qsizetype slowest(const QList<Record>& records) {
    qsizetype found = -1;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (found < 0 || records[i].seconds > records[found].seconds)
            found = i;
        else if (records[i].seconds == records[found].seconds &&
                 (records[i].marked || !records[found].marked))
            found = i;
    }
    return found;
}

// The game writes fields of 40 characters at most; a longer one was made by hand, and laying
// it out (a name of 400,000 accents) would hold the list up for a minute.
QString cutField(const QString& field) {
    constexpr qsizetype kLongest = 64;
    qsizetype length = std::min(field.size(), kLongest);
    if (length < field.size() && field[length - 1].isHighSurrogate())
        --length; // never half a character
    return field.left(length);
}

} // namespace

QString plainNumerals(const QString& text) {
    std::u32string plain;
    for (const uint point : text.toUcs4()) {
        const auto c = static_cast<char32_t>(point);
        if (c == U'\u200E' || c == U'\u200F' || c == U'\u061C')
            continue;
        plain += QChar::category(c) == QChar::Number_DecimalDigit
                     ? static_cast<char32_t>(U'0' + QChar::digitValue(c))
                     : c;
    }
    return QString::fromUcs4(plain.data(), static_cast<qsizetype>(plain.size()));
}

QString recordDate(QDate day, const QLocale& locale) {
    return plainNumerals(locale.toString(day, QLocale::ShortFormat));
}

std::optional<double> parseTime(const QString& text) {
    QString number = plainNumerals(text).trimmed();
    // Every locale writes its decimals after one of these three.
    for (const char16_t separator : {u',', u'\u066B'})
        number.replace(QChar(separator), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QList<Record> readRecords(const QStringList& lines) {
    QList<Record> records;
    for (int i = 0; i < lines.size(); ++i) {
        const bool marked = lines[i].endsWith(kMark);
        const QStringList pieces = withoutMark(lines[i]).split(QLatin1Char('~'));
        if (pieces.size() < 5)
            continue;
        const std::optional<double> seconds = parseTime(pieces[0]);
        if (!seconds)
            continue;
        QStringList fields;
        for (const QString& piece : pieces.mid(0, 5))
            fields.append(cutField(piece));
        records.append({i, fields, *seconds, marked});
    }
    return records;
}

Outcome rank(const QList<Record>& records, double seconds) {
    bool slower = false;
    bool faster = false;
    for (const Record& record : records) {
        slower = slower || record.seconds > seconds;
        faster = faster || record.seconds < seconds;
    }
    if (!slower && records.size() >= kTableSize)
        return Outcome::NoEntry;
    return faster ? Outcome::TopTen : Outcome::First;
}

QString recordLine(const QStringList& fields) {
    QStringList clean;
    for (QString field : fields) {
        field.replace(QLatin1Char('~'), QLatin1Char('-'));
        field.replace(QLatin1Char('\r'), QLatin1Char(' '));
        field.replace(QLatin1Char('\n'), QLatin1Char(' '));
        clean.append(field);
    }
    return clean.join(QLatin1Char('~'));
}

QString defaultRecordLine(QDate today, const QLocale& locale) {
    const QString date = recordDate(today.addDays(-30), locale);
    return recordLine({QStringLiteral("999"), QStringLiteral("Unknown"), QStringLiteral("Test"),
                       QStringLiteral("6"), date}) +
           kMark;
}

Insertion insertRecord(const QStringList& lines, const QString& newLine, double seconds) {
    QList<Record> records = readRecords(lines);
    if (records.size() > kTableSize)
        return {Insertion::Refused, {}};

    const qsizetype kept = slowest(records);
    const int keptLine = kept >= 0 ? records[kept].line : -1;
    const bool full = records.size() == kTableSize;
    if (full && seconds >= records[kept].seconds)
        return {Insertion::NotAmongBest, {}};

    QStringList others;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = withoutMark(lines[i]);
        if (i != keptLine && !line.trimmed().isEmpty()) // a lone mark goes with the blank lines
            others.append(line);
    }

    Insertion result{Insertion::Stored, {}};
    if (kept < 0) {
        result.lines = others << newLine + kMark;
    } else if (!full) {
        const QString keptRecord = withoutMark(lines[keptLine]);
        if (seconds > records[kept].seconds)
            result.lines = others << keptRecord << newLine + kMark;
        else
            result.lines = others << keptRecord + kMark << newLine;
    } else {
        // The slowest record leaves; the mark passes to the slowest of those that remain.
        records.removeAt(kept);
        const qsizetype next = slowest(records);
        if (seconds >= records[next].seconds) {
            result.lines = others << newLine + kMark;
        } else {
            const QString nextRecord = withoutMark(lines[records[next].line]);
            others.removeAt(others.indexOf(nextRecord));
            result.lines = others << nextRecord + kMark << newLine;
        }
    }
    return result;
}

} // namespace quilora::records
