#pragma once

#include <QList>
#include <QMessageBox>
#include <QDialog>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// A message box a test saw, with what it showed.
struct TSeenMessage
{
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
};

// While alive, answers every message box that opens modally: the policy
// picks the button; without one, OK, else Cancel, else No is pressed. Any
// other modal dialog is handed to the dialog handler, or rejected, so that
// no test waits for a window nobody answers.
class TModalAnswerer : public QObject
{
public:
    using Policy = std::function<QMessageBox::StandardButton(const TSeenMessage &)>;

    using DialogHandler = std::function<void(QDialog *)>;

    explicit TModalAnswerer(Policy policy = {});

    void SetDialogHandler(DialogHandler handler) { m_dialogHandler = std::move(handler); }
    // Window titles of the other dialogs seen, in order.
    const QStringList &Dialogs() const { return m_dialogs; }

    const QList<TSeenMessage> &Seen() const { return m_seen; }
    QStringList Texts() const;

private:
    void Poll();

    Policy m_policy;
    DialogHandler m_dialogHandler;
    QStringList m_dialogs;
    QTimer m_timer;
    QList<TSeenMessage> m_seen;
};
