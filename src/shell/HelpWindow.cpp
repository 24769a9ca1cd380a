#include "shell/HelpWindow.h"

#include "shell/MessageDialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString HelpWindowName = QStringLiteral("HelpWindow");
}

THelpWindow::THelpWindow(const QString &helpFile, QWidget *parent)
    : QWidget(parent, Qt::Window), m_helpFile(helpFile), m_browser(new QTextBrowser(this))
{
    setObjectName(HelpWindowName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zandivo - Hilfe"));
    resize(640, 520);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(QStringLiteral("Hilfe"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

void THelpWindow::ShowTopic(int topic)
{
    QUrl url = QUrl::fromLocalFile(m_helpFile);
    url.setFragment(QString::number(topic));
    m_browser->setSource(url);
    m_browser->scrollToAnchor(QString::number(topic));
}

void ShowHelp(QWidget *from, const QString &helpFile, int topic)
{
    if (!QFileInfo::exists(helpFile)) {
        MessageDlg(from, QStringLiteral("Die Hilfedatei wurde nicht gefunden!"), TMsgSymbol::Error);
        return;
    }
    THelpWindow *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == HelpWindowName)
            window = qobject_cast<THelpWindow *>(w);
    }
    if (window == nullptr) {
        // Owned by the outermost window, so that it closes with the program
        // and outlives the dialog that asked for it.
        QWidget *owner = from;
        while (owner != nullptr && owner->parentWidget() != nullptr)
            owner = owner->parentWidget();
        window = new THelpWindow(helpFile, owner);
    }
    window->ShowTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
}
