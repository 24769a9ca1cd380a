#pragma once

#include "controls/ListColors.h"

#include <QColor>
#include <QListWidget>

#include <functional>

class TRowPainterDelegate;

// The owner-drawn list box of the dialogs: rows of a fixed height painted
// with gradients from its ListColors, framed in a colour of its own.
// Keyboard, selection and accessibility are Qt's list's.
class TVekDsgListBox : public QListWidget
{
    Q_OBJECT

public:
    enum class TBorderStyle
    {
        bsNone,
        bsSingle,
        bsDouble,
    };

    enum class TDsgAlign
    {
        daLeft,
        daCenter,
        daRight,
    };

    // Draws one row in place of the default drawing: the row's rectangle
    // in viewport coordinates, its index and whether it is selected.
    using TDrawItem = std::function<void(QPainter &painter, const QRect &rect, int index, bool selected)>;

    static constexpr int RowHeight = 20;

    // Rows are 20 pixels high unless the owner draws taller ones.
    int ItemHeight() const;
    void SetItemHeight(int height);

    explicit TVekDsgListBox(QWidget *parent = nullptr);
    ~TVekDsgListBox() override;

    QColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(const QColor &color);

    // Kept for the forms that set it; it changes nothing drawn.
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style) { m_borderStyle = style; }

    bool SelBold() const { return m_selBold; }
    void SetSelBold(bool on);
    bool DrawMods() const { return m_drawMods; }
    void SetDrawMods(bool on);
    bool ShowLines() const { return m_showLines; }
    void SetShowLines(bool on);
    TDsgAlign Alignment() const { return m_alignment; }
    void SetAlignment(TDsgAlign alignment);

    TListColors &ListColors() { return m_listColors; }
    const TListColors &ListColors() const { return m_listColors; }
    TDSGStyle ListStyle() const { return m_listStyle; }
    // Loads the style's preset into ListColors.
    void SetListStyle(TDSGStyle style);

    // The list's own focused flag: set on entering, cleared on leaving.
    bool Focused() const { return m_focused; }

    // An empty function restores the default drawing.
    void SetDrawItem(TDrawItem drawItem);
    void DrawDefaultRow(QPainter &painter, const QRect &rect, int index, bool selected) const;

signals:
    void DblClick();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    bool IsRowSelected(int row) const;
    QColor LineBelow(int row) const;
    void Repaint();

    QColor m_borderColor{0x9F, 0xAE, 0xC2};
    TBorderStyle m_borderStyle = TBorderStyle::bsNone;
    bool m_selBold = true;
    bool m_drawMods = true;
    bool m_showLines = true;
    TDsgAlign m_alignment = TDsgAlign::daLeft;
    TListColors m_listColors;
    TDSGStyle m_listStyle = TDSGStyle::dsStandard;
    bool m_focused = false;
    TDrawItem m_drawItem;
    TRowPainterDelegate *m_delegate;
};
