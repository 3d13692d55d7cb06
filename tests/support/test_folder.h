// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace quilora::testing {

// Every file and folder under `folder`, with the bytes of the files; links are not followed.
inline QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const bool regular = it.fileInfo().isFile() && !it.fileInfo().isSymLink();
        found[it.filePath()] = regular && file.open(QIODevice::ReadOnly) ? file.readAll() : "other";
    }
    return found;
}

// A fresh folder for the files of one test.
struct TestFolder {
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray readFile(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QTemporaryDir dir;
};

} // namespace quilora::testing
