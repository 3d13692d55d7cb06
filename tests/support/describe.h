// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace quilora::testing {

// One line per control shown in `window`, in the order they are stacked: its name, kind, place
// within its frame in twips as designed (15 to a pixel), its lettering and colours where not the
// window's, its words, any effect drawn over it, its state, and what a screen reader says where
// that is not its words. The running timers, and last where Tab goes from the control with the
// focus. Without `places`, for windows laid out by their fonts, the places are left out.
inline QStringList describe(QWidget& window, bool places = true) {
    const auto twips = [places](const QRect& r) {
        if (!places)
            return QString("-");
        return QString::asprintf("%d %d %d %d", r.x() * 15, r.y() * 15, r.width() * 15,
                                 r.height() * 15);
    };
    const QWidget* owner = window.parentWidget();
    QStringList lines{
        QStringLiteral("%1 \"%2\" ").arg(window.metaObject()->className(), window.windowTitle()) +
        twips({owner ? window.pos() - owner->pos() : QPoint(), window.size()})};
    const QFont font = window.font();
    const QPalette palette = window.palette();
    const auto visit = [&](const auto& self, QWidget* parent, const QString& indent) -> void {
        for (QObject* child : parent->children()) {
            if (auto* timer = qobject_cast<QTimer*>(child); timer && timer->isActive())
                lines << indent + timer->objectName() + " QTimer " +
                             QString::number(timer->interval());
            auto* w = qobject_cast<QWidget*>(child);
            if (!w || w->isWindow() || !w->isVisibleTo(&window) ||
                w->objectName().startsWith("qt_"))
                continue;
            QString line = indent +
                           (w->objectName().isEmpty() ? QStringLiteral("-") : w->objectName()) +
                           ' ' + QString(w->metaObject()->className()).section("::", -1) + ' ' +
                           twips(w->geometry());
            if (w->font().pointSizeF() != font.pointSizeF() || w->font().bold() != font.bold())
                line += ' ' + QString::number(w->font().pointSizeF()) +
                        (w->font().bold() ? "ptb" : "pt");
            const QColor ink = w->palette().color(QPalette::WindowText),
                         ground = w->palette().color(QPalette::Window);
            if (ink != palette.color(QPalette::WindowText))
                line += " fg" + ink.name();
            if (w->autoFillBackground() && ground != palette.color(QPalette::Window))
                line += " bg" + ground.name();
            QString words, extra;
            QStringList rows;
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (auto* label = qobject_cast<QLabel*>(w)) {
                const QSizeF size = label->pixmap().deviceIndependentSize();
                words = label->pixmap().isNull()
                            ? label->text()
                            : QStringLiteral("<%1x%2>").arg(size.width()).arg(size.height());
            } else if (button) {
                words = button->text();
            } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
                words = group->title();
            } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
                words = box->text();
                extra =
                    QStringLiteral(" max%1 at%2").arg(box->maxLength()).arg(box->cursorPosition());
                if (!box->placeholderText().isEmpty())
                    extra += " hint\"" + box->placeholderText() + '"';
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                words = combo->currentText();
            } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
                words = spin->text();
            } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
                words = QString::number(slider->value());
            } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
                words = bar->text();
            } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
                words = text->toPlainText().replace('\n', "\\n");
            } else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
                QStringList columns;
                for (int c = 0; c < list->columnCount(); ++c)
                    columns << list->headerItem()->text(c) + ' ' +
                                   QString::number(list->columnWidth(c));
                const QHeaderView* header = list->header();
                words = columns.join(" | ") + " | by " +
                        QString::number(header->sortIndicatorSection()) +
                        (header->sortIndicatorOrder() == Qt::AscendingOrder ? '+' : '-');
                for (int r = 0; r < list->topLevelItemCount(); ++r) {
                    const QTreeWidgetItem* item = list->topLevelItem(r);
                    QStringList cells;
                    for (int c = 0; c < list->columnCount(); ++c)
                        cells << item->text(c);
                    rows << indent + "  [" + cells.join(" | ") +
                                (item->icon(0).isNull() ? "]" : "] icon") +
                                (item->isSelected() ? " selected" : "") + " says\"" +
                                item->data(0, Qt::AccessibleTextRole).toString() + '"';
                }
                if (list->verticalScrollBar()->isVisible() ||
                    list->horizontalScrollBar()->isVisible())
                    extra = " scrolls";
            }
            line += " \"" + words + '"' + extra;
            auto* push = qobject_cast<QPushButton*>(w);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            const QString name = face ? face->text(QAccessible::Name) : QString(),
                          more = face ? face->text(QAccessible::Description) : QString();
            const auto mark = [&line](bool on, const QString& what) { line += on ? what : ""; };
            mark(w->graphicsEffect(), " effect");
            mark(!w->isEnabled(), " disabled");
            mark(button && button->isChecked(), " checked");
            mark(push && push->isDefault(), " default");
            mark(window.focusWidget() == w, " focus");
            mark(w->cursor().shape() == Qt::PointingHandCursor, " hand");
            mark(!w->toolTip().isEmpty(), " tip\"" + w->toolTip() + '"');
            mark(name != words, " says\"" + name + '"');
            mark(!more.isEmpty(), " more\"" + more + '"');
            lines << line << rows;
            if (!qobject_cast<QAbstractScrollArea*>(w) && !button)
                self(self, w, indent + "  ");
        }
    };
    visit(visit, &window, QString());
    QString tab = "Tab:";
    QWidget* from = window.focusWidget() ? window.focusWidget() : &window;
    for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain())
        if (w->isVisibleTo(&window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            w->window() == &window)
            tab += ' ' + w->objectName();
    return lines << tab;
}

// Compares the window with the reviewed file `path`, showing the lines from the first to the last
// that differ, or rewrites the file with QUILORA_UPDATE_VIEWS=1.
inline void compareView(QWidget& window, const QString& path, bool places = true) {
    QStringList shown = describe(window, places);
    QFile file(path);
    if (qEnvironmentVariableIntValue("QUILORA_UPDATE_VIEWS")) {
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write((shown.join('\n') + '\n').toUtf8()));
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QStringList reviewed = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    qsizetype top = 0;
    while (top < shown.size() && top < reviewed.size() && shown[top] == reviewed[top])
        ++top;
    while (shown.size() > top && reviewed.size() > top && shown.last() == reviewed.last())
        shown.removeLast(), reviewed.removeLast();
    QVERIFY2(shown.size() == top && reviewed.size() == top,
             qPrintable(QStringLiteral("%1, line %2:\n-%3\n+%4")
                            .arg(path)
                            .arg(top + 1)
                            .arg(reviewed.sliced(top).join("\n-"), shown.sliced(top).join("\n+"))));
}

} // namespace quilora::testing
