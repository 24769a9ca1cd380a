#include "controls/TesselTabsControl.h"

#include "controls/ControlAccessibility.h"
#include "controls/TesselTab.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int StripHeight = 24;
constexpr int FirstTabLeft = 8;
constexpr QRgb Background = 0x9BC1AA;
constexpr QRgb LineColor = 0x8C8560;

} // namespace

TTesselTabsControl::TTesselTabsControl(QWidget *parent)
    : QWidget(parent)
{
    InstallControlAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(StripHeight);
    resize(200, StripHeight);
}

void TTesselTabsControl::SetTabItems(const QStringList &items)
{
    m_tabItems = items;
    RebuildTabs();
}

void TTesselTabsControl::SetTabIndex(int index)
{
    m_tabIndex = index;
    for (TTesselTab *tab : m_tabs) {
        tab->SetActive(false);
        tab->lower();
    }
    if (TTesselTab *active = Tab(index)) {
        active->SetActive(true);
        active->raise();
        ShowFocusOnActiveTab();
    }
    emit Change();
}

void TTesselTabsControl::SetTabStyle(TStyle style)
{
    m_tabStyle = style;
    RebuildTabs();
    update();
}

void TTesselTabsControl::SetImages(const QList<QImage> &images)
{
    m_images = images;
    RebuildTabs();
}

TTesselTab *TTesselTabsControl::Tab(int index) const
{
    if (index < 0 || index >= TabCount())
        return nullptr;
    return m_tabs[static_cast<std::size_t>(index)];
}

QSize TTesselTabsControl::sizeHint() const
{
    int right = FirstTabLeft;
    for (const TTesselTab *tab : m_tabs)
        right += tab->GetTabWidth();
    return QSize(std::max(200, right + FirstTabLeft), StripHeight);
}

void TTesselTabsControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(Background));
    painter.setPen(QPen(QColor(LineColor), 1));
    const int y = m_tabStyle == TStyle::sBottomToTop ? 1 : height() - 1;
    painter.drawLine(0, y, width() - 1, y);
}

void TTesselTabsControl::keyPressEvent(QKeyEvent *event)
{
    const int count = TabCount();
    if (count == 0 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    int target = m_tabIndex;
    switch (event->key()) {
    case Qt::Key_Left:
        target = m_tabIndex < 0 ? count - 1 : std::max(0, m_tabIndex - 1);
        break;
    case Qt::Key_Right:
        target = m_tabIndex < 0 ? 0 : std::min(count - 1, m_tabIndex + 1);
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (target != m_tabIndex)
        SetTabIndex(target);
}

void TTesselTabsControl::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    ShowFocusOnActiveTab();
}

void TTesselTabsControl::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (TTesselTab *active = Tab(m_tabIndex))
        active->update();
}

void TTesselTabsControl::changeEvent(QEvent *event)
{
    // Tabs take the strip's font; their widths follow it.
    if (event->type() == QEvent::FontChange)
        PlaceTabs();
    QWidget::changeEvent(event);
}

void TTesselTabsControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    update();
}

void TTesselTabsControl::RebuildTabs()
{
    // A tab may be rebuilt away from inside its own click, so it goes once
    // control is back in the event loop.
    for (TTesselTab *tab : m_tabs) {
        tab->hide();
        tab->disconnect(this);
        tab->deleteLater();
    }
    m_tabs.clear();
    // Whatever was active is gone with its tab; the form chooses anew.
    m_tabIndex = -1;

    const int count = std::min(static_cast<int>(m_tabItems.size()), MaxTabs);
    for (int i = 0; i < count; ++i) {
        auto *tab = new TTesselTab(i, this);
        tab->SetStyle(m_tabStyle);
        tab->SetCaption(m_tabItems[i]);
        if (i < m_images.size())
            tab->SetSymbol(m_images[i]);
        connect(tab, &TTesselTab::clicked, this, [this, i] { TabClicked(i); });
        tab->lower();
        tab->show();
        m_tabs.push_back(tab);
    }
    PlaceTabs();
    updateGeometry();
}

void TTesselTabsControl::PlaceTabs()
{
    const int top = m_tabStyle == TStyle::sBottomToTop ? 1 : 4;
    int left = FirstTabLeft;
    for (TTesselTab *tab : m_tabs) {
        tab->move(left, top);
        left += tab->GetTabWidth();
    }
}

void TTesselTabsControl::TabClicked(int index)
{
    const TTesselTab *tab = Tab(index);
    if (tab && !tab->Active())
        SetTabIndex(index);
}

void TTesselTabsControl::ShowFocusOnActiveTab()
{
    TTesselTab *active = Tab(m_tabIndex);
    if (!active)
        return;
    active->update();
    if (hasFocus()) {
        QAccessibleEvent event(active, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}
