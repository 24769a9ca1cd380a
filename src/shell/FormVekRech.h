#pragma once

#include "shell/AppState.h"

#include <QMainWindow>

#include <memory>

class QAction;
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

    TMainCommands &Commands() const { return *m_commands; }

signals:
    // Once, when the window is activated for the first time: the moment to
    // choose the invoice file.
    void FirstActivation();
    // The user closed the window: the run ends.
    void Closed();

protected:
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
};
