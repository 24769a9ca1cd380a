#include "controls/VekDsgListBox.h"

#include "controls/Painting.h"
#include "controls/RowPainterDelegate.h"

#include <QFocusEvent>
#include <QPainter>

TVekDsgListBox::TVekDsgListBox(QWidget *parent)
    : QListWidget(parent)
    , m_delegate(new TRowPainterDelegate(RowHeight, this))
{
    // A one-pixel plain frame reserves the outermost pixels; event() paints
    // them in BorderColor.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setFont(QFont(QStringLiteral("Arial"), 10));

    m_delegate->SetPaint([this](QPainter &painter, const QStyleOptionViewItem &option, const QModelIndex &index) {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        if (m_drawItem)
            m_drawItem(painter, option.rect, index.row(), selected);
        else
            DrawDefaultRow(painter, option.rect, index.row(), selected);
    });
    setItemDelegate(m_delegate);

    connect(&m_listColors, &TListColors::Changed, this, &TVekDsgListBox::Repaint);
    m_listColors.SetStyle(m_listStyle);
}

TVekDsgListBox::~TVekDsgListBox() = default;

void TVekDsgListBox::SetBorderColor(const QColor &color)
{
    m_borderColor = color;
    update();
}

void TVekDsgListBox::SetSelBold(bool on)
{
    m_selBold = on;
    Repaint();
}

void TVekDsgListBox::SetDrawMods(bool on)
{
    m_drawMods = on;
    Repaint();
}

void TVekDsgListBox::SetShowLines(bool on)
{
    m_showLines = on;
    Repaint();
}

void TVekDsgListBox::SetAlignment(TDsgAlign alignment)
{
    m_alignment = alignment;
    Repaint();
}

void TVekDsgListBox::SetListStyle(TDSGStyle style)
{
    m_listStyle = style;
    m_listColors.SetStyle(style);
}

void TVekDsgListBox::SetDrawItem(TDrawItem drawItem)
{
    m_drawItem = std::move(drawItem);
    Repaint();
}

bool TVekDsgListBox::IsRowSelected(int row) const
{
    if (row < 0 || row >= count() || selectionModel() == nullptr)
        return false;
    return selectionModel()->isSelected(model()->index(row, 0));
}

// The pixel row between two rows is drawn by both of them (the lower one
// draws the line above itself), so both must agree on its colour: it is
// the focused line colour when either neighbour is the selected row of the
// focused list. The selected row is thus framed by the focused line colour
// however the rows happen to be repainted.
QColor TVekDsgListBox::LineBelow(int row) const
{
    if (m_focused && (IsRowSelected(row) || IsRowSelected(row + 1)))
        return m_listColors.LineFocused();
    return m_listColors.LineColor();
}

void TVekDsgListBox::DrawDefaultRow(QPainter &painter, const QRect &rect, int index, bool selected) const
{
    if (selected && m_focused)
        FillVerticalGradient(painter, rect, m_listColors.BarFocused1(), m_listColors.BarFocused2());
    else if (selected)
        FillVerticalGradient(painter, rect, m_listColors.BarSelected1(), m_listColors.BarSelected2());
    else if (m_drawMods && index % 2 == 1)
        FillVerticalGradient(painter, rect, m_listColors.ModsColor1(), m_listColors.ModsColor2());
    else
        FillVerticalGradient(painter, rect, m_listColors.BarColor1(), m_listColors.BarColor2());

    QFont rowFont = font();
    rowFont.setBold(selected && m_selBold);
    painter.setFont(rowFont);
    painter.setPen(Qt::black);
    Qt::Alignment align = Qt::AlignTop;
    switch (m_alignment) {
    case TDsgAlign::daLeft:
        align |= Qt::AlignLeft;
        break;
    case TDsgAlign::daCenter:
        align |= Qt::AlignHCenter;
        break;
    case TDsgAlign::daRight:
        align |= Qt::AlignRight;
        break;
    }
    // QPainter shows "&" as it is; no mnemonic flag is passed.
    const QString text = model()->index(index, 0).data(Qt::DisplayRole).toString();
    painter.drawText(rect.adjusted(2, 1, -2, 0), int(align) | Qt::TextSingleLine, text);

    if (m_showLines) {
        if (index > 0) {
            painter.setPen(LineBelow(index - 1));
            painter.drawLine(rect.left(), rect.top() - 1, rect.right(), rect.top() - 1);
        }
        painter.setPen(LineBelow(index));
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    }
}

void TVekDsgListBox::Repaint()
{
    viewport()->update();
}

bool TVekDsgListBox::event(QEvent *event)
{
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::Paint) {
        // Over the frame Qt has just drawn: the outermost pixels of the control.
        QPainter painter(this);
        painter.setPen(m_borderColor);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    return handled;
}

void TVekDsgListBox::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    m_focused = true;
    Repaint();
}

void TVekDsgListBox::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    m_focused = false;
    Repaint();
}

void TVekDsgListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    emit DblClick();
}

// Row lines reach into the neighbouring rows, so a change of the selection
// repaints the whole list rather than the changed rows alone.
void TVekDsgListBox::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QListWidget::selectionChanged(selected, deselected);
    Repaint();
}

void TVekDsgListBox::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListWidget::currentChanged(current, previous);
    Repaint();
}

int TVekDsgListBox::ItemHeight() const
{
    return m_delegate->RowHeight();
}

void TVekDsgListBox::SetItemHeight(int height)
{
    m_delegate->SetRowHeight(height);
    // The view measures uniform rows once; make it measure again.
    doItemsLayout();
}
