#pragma once

#include "controls/ControlEnums.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <vector>

class TTesselTab;

// The tab strip that switches the panes of the main window and the pages of
// a dialog. It holds up to twelve tabs, rebuilt from TabItems whenever the
// captions, the style or the symbols change. The strip takes the focus by
// Tab; Left, Right, Home and End then move the active tab.
class TTesselTabsControl : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MaxTabs = 12;

    explicit TTesselTabsControl(QWidget *parent = nullptr);

    // Captions beyond the twelfth are kept but get no tab.
    const QStringList &TabItems() const { return m_tabItems; }
    void SetTabItems(const QStringList &items);

    // −1 when no tab is active. A rebuild leaves it at −1 without a Change,
    // so that the form chooses the tab after loading.
    int TabIndex() const { return m_tabIndex; }
    // Stores index, activates tab index if there is one (none otherwise) and
    // emits Change, also when the index stays the same.
    void SetTabIndex(int index);

    TStyle TabStyle() const { return m_tabStyle; }
    void SetTabStyle(TStyle style);

    // Image i is the symbol of tab i; tabs beyond the list have none.
    const QList<QImage> &Images() const { return m_images; }
    void SetImages(const QList<QImage> &images);

    int TabCount() const { return static_cast<int>(m_tabs.size()); }
    // Null outside 0 … TabCount() − 1.
    TTesselTab *Tab(int index) const;

    QSize sizeHint() const override;

signals:
    // After every assignment of TabIndex.
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void RebuildTabs();
    void PlaceTabs();
    void TabClicked(int index);
    void ShowFocusOnActiveTab();

    QStringList m_tabItems;
    int m_tabIndex = -1;
    TStyle m_tabStyle = TStyle::sTopToBottom;
    QList<QImage> m_images;
    // Owned through Qt's parent; the list only keeps their order.
    std::vector<TTesselTab *> m_tabs;
};
