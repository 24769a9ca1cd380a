#include "controls/TesselListView.h"

#include "controls/RowPainterDelegate.h"
#include "controls/TesselListHeader.h"

#include <QCollator>
#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QColor GridColor(0xF0, 0xF0, 0xF0);

std::optional<qlonglong> WholeNumber(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

// "dd.mm.yyyy" with an optional "hh:mm" or "hh:mm:ss" after it, as seconds
// from the day count's origin 30.12.1899; anything else counts as 0.
qint64 DateTimeKey(const QString &text, const QRegularExpression &pattern)
{
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return 0;
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!date.isValid())
        return 0;
    const int hours = m.captured(4).toInt();
    const int minutes = m.captured(5).toInt();
    const int seconds = m.captured(6).toInt();
    if (hours > 23 || minutes > 59 || seconds > 59)
        return 0;
    return QDate(1899, 12, 30).daysTo(date) * 86400 + hours * 3600 + minutes * 60 + seconds;
}

} // namespace

TTesselListView::TTesselListView(QWidget *parent)
    : QTreeWidget(parent)
    , m_header(new TTesselListHeader(this))
    , m_delegate(new TRowPainterDelegate(MinItemHeight, this))
{
    setHeader(m_header);
    setItemDelegate(m_delegate);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::NoFrame);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
}

TTesselListView::~TTesselListView() = default;

int TTesselListView::ItemHeight() const
{
    return m_delegate->RowHeight();
}

void TTesselListView::SetItemHeight(int height)
{
    m_delegate->SetRowHeight(std::max(height, MinItemHeight));
}

bool TTesselListView::HeaderFrame() const
{
    return m_header->Frame();
}

void TTesselListView::SetHeaderFrame(bool on)
{
    m_header->SetFrame(on);
}

void TTesselListView::SetGridLines(bool on)
{
    m_gridLines = on;
    viewport()->update();
}

void TTesselListView::SetDrawItem(TDrawItem drawItem)
{
    m_drawItem = std::move(drawItem);
    viewport()->update();
}

void TTesselListView::SetColumnSort(int column)
{
    m_columnSort = column;
    if (column >= 0 && column < columnCount())
        SortBy(column);
}

void TTesselListView::SortBy(int column)
{
    QTreeWidgetItem *current = currentItem();
    const QList<QTreeWidgetItem *> selected = selectedItems();
    const QSignalBlocker blocker(this);

    QList<QTreeWidgetItem *> items = invisibleRootItem()->takeChildren();
    QStringList texts;
    texts.reserve(items.size());
    for (const QTreeWidgetItem *item : items)
        texts << item->text(column);

    std::vector<int> order(items.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[i] = i;

    switch (m_sortStyle) {
    case TSortStyle::sAlphaNum: {
        QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
        collator.setCaseSensitivity(Qt::CaseSensitive);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return collator.compare(texts[a], texts[b]) < 0; });
        break;
    }
    case TSortStyle::sNumeric: {
        // A text that is no whole number sorts before every number, as an
        // empty cell does.
        std::vector<std::optional<qlonglong>> keys;
        for (const QString &t : texts)
            keys.push_back(WholeNumber(t));
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
        break;
    }
    case TSortStyle::sDateTime: {
        const QRegularExpression pattern(
            QStringLiteral(R"(^(\d{1,2})\.(\d{1,2})\.(\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?$)"));
        std::vector<qint64> keys;
        for (const QString &t : texts)
            keys.push_back(DateTimeKey(t, pattern));
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
        break;
    }
    }

    QList<QTreeWidgetItem *> sorted;
    sorted.reserve(items.size());
    for (int i : order)
        sorted << items[i];
    addTopLevelItems(sorted);

    for (QTreeWidgetItem *item : selected)
        item->setSelected(true);
    if (current != nullptr)
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
}

void TTesselListView::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect row(-header()->offset(), option.rect.top(), header()->length(), option.rect.height());
    if (m_drawItem) {
        painter->save();
        m_drawItem(*painter, itemFromIndex(index), row, selectionModel()->isSelected(index));
        painter->restore();
    } else {
        QTreeWidget::drawRow(painter, option, index);
    }

    if (!m_gridLines)
        return;
    painter->save();
    painter->setPen(GridColor);
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    for (int v = 0; v < header()->count(); ++v) {
        const int logical = header()->logicalIndex(v);
        if (header()->isSectionHidden(logical))
            continue;
        const int right = header()->sectionViewportPosition(logical) + header()->sectionSize(logical) - 1;
        painter->drawLine(right, row.top(), right, row.bottom());
    }
    painter->restore();
}
