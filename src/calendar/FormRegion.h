#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;

// Chooses the federal state whose holidays the calendar shows, and whether
// their names are written.
class TFormRegion : public QDialog
{
    Q_OBJECT

public:
    TFormRegion(int region, bool showHolidays, const QString &helpFile, QWidget *parent = nullptr);

    // Valid after exec() returned Accepted.
    int Region() const { return m_region; }
    bool ShowHolidays() const { return m_showHolidays; }

    void accept() override;

private:
    QComboBox *m_comboRegion;
    QCheckBox *m_checkBoxShow;
    QString m_helpFile;
    int m_region;
    bool m_showHolidays;
};
