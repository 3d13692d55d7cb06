// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"

namespace quilora::game {

int pictureNumber(const QString& cardFile) {
    QString tail = cardFile.right(6);
    tail.remove(QLatin1Char('/'));
    tail.remove(QLatin1Char('\\'));
    tail.remove(QLatin1String(".gif"));
    const QString digits = tail.trimmed();
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace quilora::game
