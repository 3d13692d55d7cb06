// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_book.h"

#include <QPlainTextEdit>
#include <QTreeWidget>

#include <optional>

namespace quilora::ui {

// The records list, in the place of the help text: the one shown last lies on top.
class RecordsListView : public QTreeWidget {
    Q_OBJECT

public:
    RecordsListView(game::Form1& form, const records::RecordBook& records,
                    const language::Captions& captions, QWidget* parent);

signals:
    // Shown on top of the other panels.
    void raised();

private:
    void fitTenRows();
    void refresh();
    void rename();

    const records::RecordBook& records_;
    const language::Captions& captions_;
    QList<records::RecordRow> shownRows_;
};

// The help text.
class HelpBoxView : public QPlainTextEdit {
    Q_OBJECT

public:
    HelpBoxView(const records::RecordBook& records, const language::Captions& captions,
                QWidget* parent);

signals:
    void raised();

private:
    void refresh();

    const records::RecordBook& records_;
    const language::Captions& captions_;
};

} // namespace quilora::ui
