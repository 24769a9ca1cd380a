#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

TModalAnswerer::TModalAnswerer(Policy policy)
    : m_policy(std::move(policy))
{
    connect(&m_timer, &QTimer::timeout, this, &TModalAnswerer::Poll);
    m_timer.start(10);
}

QStringList TModalAnswerer::Texts() const
{
    QStringList texts;
    for (const TSeenMessage &m : m_seen)
        texts << m.Text;
    return texts;
}

void TModalAnswerer::Poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
        return;
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (box == nullptr) {
        if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            m_dialogs << dialog->windowTitle();
            if (m_dialogHandler)
                m_dialogHandler(dialog);
            else
                dialog->reject();
        }
        return;
    }

    TSeenMessage seen{box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton *b : box->buttons())
        seen.Buttons << b->text();
    m_seen << seen;

    QMessageBox::StandardButton choice = QMessageBox::NoButton;
    if (m_policy)
        choice = m_policy(seen);
    if (choice == QMessageBox::NoButton) {
        const auto buttons = box->standardButtons();
        choice = buttons.testFlag(QMessageBox::Ok)       ? QMessageBox::Ok
                 : buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
                                                         : QMessageBox::No;
    }
    if (QAbstractButton *b = box->button(choice))
        b->click();
    else
        box->reject();
}
