// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/side_panels.h"

#include "language/accessible_names.h"
#include "ui/widgets/look.h"
#include "ui/widgets/twips.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace quilora::ui {
namespace {

const QColor kLightYellow(255, 255, 192);

void setLightYellow(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, kLightYellow);
    widget->setPalette(palette);
}

// Rows of one height.
class RowHeight : public QStyledItemDelegate {
public:
    RowHeight(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

// Shows or hides a side panel; a panel shown comes on top.
template <typename Panel> void showOnTop(Panel* panel, bool visible) {
    if (visible == panel->isVisible())
        return;
    panel->setVisible(visible);
    if (visible) {
        panel->raise();
        emit panel->raised();
    }
}

} // namespace

RecordsListView::RecordsListView(game::Form1& form, const records::RecordBook& records,
                                 const language::Captions& captions, QWidget* parent)
    : QTreeWidget(parent), records_(records), captions_(captions) {
    setObjectName(QStringLiteral("lvRecord"));
    setGeometry(twips(1680, 1920, 6255, 2940));
    setFont(sizedFont(this, 8.25, false));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    using language::Text;
    QStringList headers;
    for (Text column : {Text::ColumnGamer, Text::ColumnPlace, Text::ColumnTime, Text::ColumnSet,
                        Text::ColumnDate})
        headers << text(column, language::Language::English);
    setHeaderLabels(headers);
    const std::array<int, 5> widths = {126, 30, 75, 100, 80};
    for (int i = 0; i < 5; ++i)
        setColumnWidth(i, widths[i]);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setStretchLastSection(false);
    fitTenRows();
    connect(header(), &QHeaderView::sectionClicked, &form,
            [&form](int section) { form.lvRecord_ColumnClick(section + 1); });
    setLightYellow(this);
    connect(&records_, &records::RecordBook::recordsListChanged, this, &RecordsListView::refresh);
    connect(&captions_, &language::Captions::languageChanged, this, &RecordsListView::rename);
    rename();
}

// A full table, ten rows under the header, fills the list's box without a scroll bar: the rows
// share the height below the header, and the lettering and icons shrink should they not fit.
void RecordsListView::fitTenRows() {
    const int rowHeight =
        (contentsRect().height() - header()->sizeHint().height()) / records::kTableSize;
    QFont fitted = font();
    while (QFontMetrics(fitted).height() > rowHeight && fitted.pointSizeF() > 6)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    setFont(fitted);
    const int icon = std::min(16, rowHeight);
    setIconSize(QSize(icon, icon));
    setItemDelegate(new RowHeight(rowHeight, this));
}

void RecordsListView::refresh() {
    const records::RecordsList& list = records_.lvRecord();
    if (list.rows != shownRows_) {
        shownRows_ = list.rows;
        clear();
        const language::Language spoken = captions_.program().spoken();
        for (const records::RecordRow& row : list.rows) {
            auto* item = new QTreeWidgetItem(this);
            item->setText(0, row.name);
            if (row.icon >= 1 && row.icon <= 8)
                item->setIcon(0, QIcon(QStringLiteral(":/icons/%1.png").arg(row.icon)));
            item->setText(1, QString::number(row.place));
            item->setText(2, row.time);
            item->setText(3, row.set);
            item->setText(4, row.date);
            const QString icon = language::iconName(row.icon, spoken);
            if (!icon.isEmpty())
                item->setData(0, Qt::AccessibleTextRole, row.name + QStringLiteral(", ") + icon);
        }
    }
    // A click on the heading already sorted by flips the header's arrow by itself; the rows
    // stay ascending, and so must the arrow.
    if (header()->sortIndicatorSection() != list.sortColumn ||
        header()->sortIndicatorOrder() != Qt::AscendingOrder)
        header()->setSortIndicator(list.sortColumn, Qt::AscendingOrder);
    showOnTop(this, list.visible);
}

void RecordsListView::rename() {
    setAccessibleName(captions_.program().text(language::Text::RecordsList));
    shownRows_.clear(); // the rows' spoken names are in the language too
    refresh();
}

HelpBoxView::HelpBoxView(const records::RecordBook& records, const language::Captions& captions,
                         QWidget* parent)
    : QPlainTextEdit(parent), records_(records), captions_(captions) {
    setObjectName(QStringLiteral("txtHELP"));
    setGeometry(twips(1680, 1920, 6255, 2888));
    setReadOnly(true);
    setLightYellow(this);
    connect(&records_, &records::RecordBook::helpChanged, this, &HelpBoxView::refresh);
    connect(&captions_, &language::Captions::languageChanged, this,
            [this] { setAccessibleName(captions_.program().text(language::Text::HelpText)); });
    setAccessibleName(captions_.program().text(language::Text::HelpText));
    refresh();
}

void HelpBoxView::refresh() {
    const records::HelpBox& help = records_.txtHELP();
    QString helpText = help.text;
    helpText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(helpText);
    showOnTop(this, help.visible);
}

} // namespace quilora::ui
