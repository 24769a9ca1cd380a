#pragma once

#include "shell/AppState.h"

#include <QMainWindow>

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

signals:
    // Once, when the window is activated for the first time: the moment to
    // choose the invoice file.
    void FirstActivation();
    // The user closed the window: the run ends.
    void Closed();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormActivate();
    bool PrepareProgramDataFolder();
    void ReadSettingsFile();
    bool PrepareDataDirectory();
    void LoadOwnAccountsFile();
    void CollectSettingsFromWindow();

    TAppState m_state;
    bool m_firstActivation = false;
    bool m_settingsRead = false;
    bool m_destroyed = false;
};
