#pragma once

#include <QList>
#include <QMessageBox>
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
// picks the button; without one, OK, else Cancel, else No is pressed.
class TModalAnswerer : public QObject
{
public:
    using Policy = std::function<QMessageBox::StandardButton(const TSeenMessage &)>;

    explicit TModalAnswerer(Policy policy = {});

    const QList<TSeenMessage> &Seen() const { return m_seen; }
    QStringList Texts() const;

private:
    void Poll();

    Policy m_policy;
    QTimer m_timer;
    QList<TSeenMessage> m_seen;
};
