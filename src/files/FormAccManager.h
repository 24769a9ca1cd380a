#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

class TTesselButton;
class TVekDsgListBox;

// Creates, renames, deletes and opens the invoice files of the data
// directory. Accepted by "Öffnen", rejected by "Abbrechen".
class TFormAccManager : public QDialog
{
    Q_OBJECT

public:
    struct TInput
    {
        QString DataDirectory;   // ends with '/'
        QString AccFileName;     // the current invoice file, empty before the first
        QString HelpFile;
        QDate Today;
    };

    explicit TFormAccManager(const TInput &input, QWidget *parent = nullptr);

    // The invoice file chosen with "Öffnen".
    QString ChosenFile() const { return m_chosenFile; }
    // The current invoice file's path, renamed here or not.
    QString AccFileName() const { return m_accFileName; }

    // The name dialog; tests and the commands go through it.
    virtual bool AskName(const QString &caption, QString &name);

private:
    void FillList();
    QString SelectedName() const;
    void UpdateButtons();
    void NewClick();
    void EditClick();
    void DeleteClick();
    void OpenClick();
    void HelpClick();
    void ShowExists(const QString &name);
    bool NameIsUsable(const QString &name);

    TInput m_input;
    QString m_accFileName;
    QString m_chosenFile;
    TVekDsgListBox *m_list;
    TTesselButton *m_btnEdit;
    TTesselButton *m_btnDelete;
    TTesselButton *m_btnOpen;
};
