// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/accessibility.h"

#include "ui/widgets/card_slot.h"
#include "ui/widgets/clickable_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quilora::ui {
namespace {

class Pressable : public QAccessibleWidget {
public:
    explicit Pressable(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (auto* card = qobject_cast<CardSlot*>(widget());
            kind == QAccessible::Name && card && card->spokenName)
            return card->spokenName();
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            if (auto* label = qobject_cast<ClickableLabel*>(widget()))
                text = label->text();
        return text;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction())
            return;
        if (auto* card = qobject_cast<CardSlot*>(widget()))
            emit card->clicked(card->index());
        else if (auto* label = qobject_cast<ClickableLabel*>(widget()))
            emit label->clicked();
    }
};

QAccessibleInterface* pressable(const QString& className, QObject* object) {
    if (className == QLatin1String("quilora::ui::CardSlot") ||
        className == QLatin1String("quilora::ui::ClickableLabel"))
        return new Pressable(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(pressable);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quilora::ui
