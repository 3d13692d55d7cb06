// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <QWidget>

namespace quilora::testing {

// Laid out: no two visible controls side by side in a window or panel overlap.
inline void checkLayout(const QWidget& window) {
    const QList<QWidget*> all = window.findChildren<QWidget*>();
    for (const QWidget* a : all)
        for (const QWidget* b : all)
            if (a < b && a->parentWidget() == b->parentWidget() && a->isVisible() && b->isVisible())
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(QString(a->metaObject()->className()) + " over " +
                                    b->metaObject()->className()));
}

} // namespace quilora::testing
