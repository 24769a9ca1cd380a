#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

class QComboBox;
class QTimer;
class TTesselButton;

// Asks for the name of an invoice file.
class TFormAccEdit : public QDialog
{
    Q_OBJECT

public:
    // The proposal is shown first; the drop-down offers "Rechnungen" with
    // this year and with the next one.
    TFormAccEdit(const QString &caption, const QString &proposal, QDate today, const QString &helpFile,
                 QWidget *parent = nullptr);

    // The text entered, untrimmed; valid after exec() returned Accepted.
    QString Name() const { return m_name; }

    void accept() override;

private:
    void UpdateButtons();

    QComboBox *m_comboAccName;
    TTesselButton *m_btnOK;
    QString m_name;
    QString m_helpFile;
};
