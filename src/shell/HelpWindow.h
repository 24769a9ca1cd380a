#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The help file shown at one topic. One window serves every request.
class THelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit THelpWindow(const QString &helpFile, QWidget *parent = nullptr);

    void ShowTopic(int topic);
    QString HelpFile() const { return m_helpFile; }
    QTextBrowser *Browser() const { return m_browser; }

private:
    QString m_helpFile;
    QTextBrowser *m_browser;
};

// Shows the topic in the help window, opening it when needed. Tells the
// user when the help file is missing.
void ShowHelp(QWidget *from, const QString &helpFile, int topic);
