#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QTimer;
class TTesselButton;

// Asks for the name and the short description of an invoice.
class TAccDialog : public QDialog
{
    Q_OBJECT

public:
    TAccDialog(const QString &caption, const QString &name, const QString &legend, const QString &helpFile,
               QWidget *parent = nullptr);

    // What the user entered once exec() returned Accepted; the texts given
    // to the constructor otherwise.
    QString Name() const { return m_name; }
    QString Legend() const { return m_legend; }

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void UpdateButtons();

    QComboBox *m_comboName;
    QLineEdit *m_editLegende;
    TTesselButton *m_btnOK;
    QTimer *m_timer;
    QString m_name;
    QString m_legend;
    QString m_helpFile;
};
