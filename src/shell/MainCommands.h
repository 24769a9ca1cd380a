#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QWidget;
class TVekMainMenu;
class TVekMenuDesigner;
class TVekPopupMenu;
class TVekToolBar;

// Every command of the main window as an action with its caption, short-cut,
// hint and picture, and the menus, tool bar and context menus built from
// them. The main window connects what each action does.
class TMainCommands : public QObject
{
    Q_OBJECT

public:
    explicit TMainCommands(QWidget *window);

    // The action of that object name ("mRechnung_Add", "TB_Close", "PM_Rechnung_Move_UP").
    QAction *Action(const QString &name) const;
    QList<QAction *> Actions() const { return m_actions.values(); }

    TVekMainMenu *BuildMainMenu(TVekMenuDesigner *designer);
    TVekToolBar *BuildToolBar(TVekMenuDesigner *designer);
    // "PM_ListBoxAcc", "PM_ListView_Termine", "PM_Calendar", "PM_Import".
    TVekPopupMenu *BuildContextMenu(const QString &name, TVekMenuDesigner *designer);

private:
    QAction *Make(const QString &name, const QString &caption, const QString &shortCut, const QString &hint,
                  const QString &icon);

    QWidget *m_window;
    QHash<QString, QAction *> m_actions;
};
