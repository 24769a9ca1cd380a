#pragma once

#include "shell/AppState.h"

#include <QImage>
#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QSplitter;
class QStackedWidget;
class QTextEdit;
class TAccDataPanels;
class TMainCommands;
class TTermRowPainter;
class TTesselListView;
class TTesselTabsControl;
class TVekDsgListBox;
class TVekMainMenu;
class TVekMenuDesigner;
class TVekPopupMenu;
class TVekToolBar;
class TVistaGradPanel;
class TWheelScrollBox;

// The main window. It owns the program's state for the whole run.
class TFormVekRech : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormVekRech(QWidget *parent = nullptr);
    ~TFormVekRech() override;

    TAppState &State() { return m_state; }
    const TAppState &State() const { return m_state; }

    // The start-up steps: formats, help file, folders, settings, data
    // directory, own accounts, caption. False when the program has to end.
    bool FormCreate();

    // The end steps: write what changed, then every setting. Runs once.
    void FormDestroy();

    // Shows the window in the state the settings ask for.
    void ShowAsSaved();

    // Fills the window from the invoice table after a file was opened: the
    // invoice list, and nothing selected.
    void Reload();

    // The invoice at that list entry becomes the selected one: the table is
    // written first if it changed, then the terms and fields are shown.
    void SelectInvoice(int index);
    // The list entry of the selected invoice, or -1.
    int SelectedInvoice() const;

    // The terms of the selected invoice into the term list.
    void FillTermList();

    void SaveAccFileIfModified();

    // The invoice-file manager and opening the chosen file.
    void mDatei_AccManagerClick();

    // Invoice commands.
    void mRechnung_AddClick();
    void mRechnung_EditClick();
    void mRechnung_DeleteClick();
    void mRechnung_MoveClick(int step);

    // Payment-term commands on the selected invoice.
    void mTermin_AddClick();
    void mTermin_EditClick();
    void mTermin_DeleteClick();
    void mTermin_MoveClick(int step);

    // The next open term of every invoice, and the invoice count.
    void FillNextTerms();
    void ShowInvoiceCount();

    // Enables every built command from the current selection; the state
    // timer runs it three times a second.
    void Timer1Timer();

    // The month calendar: its picture and its commands.
    void DrawMonthCalendar();
    void CalendarNext();
    void CalendarBack();
    void CalendarNow();
    void CalendarPrint();
    void CalendarRegion();
    QImage CalendarPicture() const;

    TMainCommands &Commands() const { return *m_commands; }

signals:
    // Once, when the window is activated for the first time: the moment to
    // choose the invoice file.
    void FirstActivation();
    // The user closed the window: the run ends.
    void Closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    // The manager as a dialog; tests answer it without a modal loop.
    struct TManagerResult
    {
        bool Opened = false;
        QString ChosenFile;
        QString AccFileName;
    };
    virtual TManagerResult RunAccManager();

private:
    void BuildLayout();
    QWidget *BuildLeftArea();
    QWidget *BuildLowerArea();
    QWidget *BuildRightArea();
    QWidget *BuildStatusLine();
    void ConnectCommands();
    void ConnectListKeys();
    // Enter edits and Delete deletes in the invoice and term lists.
    bool ListKey(QObject *list, QEvent *event);
    int SelectedTerm() const;
    int TermRows() const;
    void FillTermRow(int row);
    void DisableLaterCommands();

    void FormActivate();
    bool PrepareProgramDataFolder();
    void ReadSettingsFile();
    bool PrepareDataDirectory();
    void LoadOwnAccountsFile();
    void CollectSettingsFromWindow();
    bool OpenChosenFile(const QString &path);
    void ShowTitle();
    void ShowRegion();
    void ClearSelection();
    void EndProgram();

    TAppState m_state;
    bool m_firstActivation = false;
    bool m_settingsRead = false;
    bool m_destroyed = false;
    // The invoice whose terms and fields are shown; -1 for none.
    int m_selected = -1;

    TVekMenuDesigner *m_designer;
    TMainCommands *m_commands;
    TVekMainMenu *m_mainMenu = nullptr;
    TVekToolBar *m_toolBar = nullptr;
    TVistaGradPanel *m_title = nullptr;
    QSplitter *m_splitter = nullptr;
    TVekDsgListBox *m_listAcc = nullptr;
    TTesselListView *m_listTerms = nullptr;
    std::unique_ptr<TTermRowPainter> m_termPainter;
    TAccDataPanels *m_dataPanels = nullptr;
    QTextEdit *m_nextTerms = nullptr;
    TTesselTabsControl *m_tabsCalDocu = nullptr;
    QStackedWidget *m_rightPages = nullptr;
    TWheelScrollBox *m_calendarBox = nullptr;
    TVistaGradPanel *m_statusInfo = nullptr;
    TVistaGradPanel *m_statusRegion = nullptr;
    TVistaGradPanel *m_statusDatum = nullptr;
    TVekPopupMenu *m_menuListAcc = nullptr;
    TVekPopupMenu *m_menuListTerms = nullptr;
    TVekPopupMenu *m_menuCalendar = nullptr;
    TVekPopupMenu *m_menuImport = nullptr;
    QLabel *m_calendarImage = nullptr;
    // Where the drag of the calendar picture last was; x < 0 when not dragging.
    QPoint m_lastDown{-1, -1};
    // The day the calendar and the next terms were drawn for.
    QDate m_drawnToday;
};
