#pragma once

#include "terms/TermValues.h"

#include <QClipboard>
#include <QDate>
#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTimer;
class TTesselButton;

// Asks for one payment term: due date, amount, remark, completion note and
// whether the term is settled.
class TTermDialog : public QDialog
{
    Q_OBJECT

public:
    // A due date that is not "dd.mm.yyyy" shows today instead.
    TTermDialog(const QString &caption, const TTermValues &values, QDate today, const QString &helpFile,
                QWidget *parent = nullptr);

    // The term as entered once exec() returned Accepted; the amount comes
    // without its " €" suffix.
    TTermValues Values() const { return m_values; }

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void UpdateButtons();
    // Inserts text into the amount field as if it had been typed.
    void InsertAmount(const QString &text);
    void PasteAmount(QClipboard::Mode mode);
    bool AmountKeyPress(const QKeyEvent &key);
    void ShowAmountMenu(const QPoint &globalPos);

    QDateEdit *m_editPayable;
    QLineEdit *m_editAmount;
    QLineEdit *m_editDescript;
    QCheckBox *m_checkBoxOK;
    QComboBox *m_comboRemark;
    TTesselButton *m_btnOK;
    QTimer *m_timer;
    TTermValues m_values;
    QString m_helpFile;
};
