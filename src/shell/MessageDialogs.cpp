#include "shell/MessageDialogs.h"

#include <QAbstractButton>

namespace {

QMessageBox::Icon IconOf(TMsgSymbol symbol)
{
    switch (symbol) {
    case TMsgSymbol::Error:
        return QMessageBox::Critical;
    case TMsgSymbol::Question:
        return QMessageBox::Question;
    case TMsgSymbol::Warning:
        return QMessageBox::Warning;
    case TMsgSymbol::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// German button texts whatever translations are installed.
void GermanButtons(QMessageBox &box)
{
    struct Caption
    {
        QMessageBox::StandardButton Button;
        const char16_t *Text;
    };
    static constexpr Caption Captions[] = {
        {QMessageBox::Ok, u"OK"},
        {QMessageBox::Cancel, u"Abbrechen"},
        {QMessageBox::Yes, u"&Ja"},
        {QMessageBox::No, u"&Nein"},
    };
    for (const Caption &c : Captions) {
        if (QAbstractButton *b = box.button(c.Button))
            b->setText(QString::fromUtf16(c.Text));
    }
}

QMessageBox::StandardButton Show(QWidget *parent, const QString &caption, const QString &text,
                                 QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    GermanButtons(box);
    if (buttons.testFlag(QMessageBox::Ok))
        box.setDefaultButton(QMessageBox::Ok);
    else if (buttons.testFlag(QMessageBox::Yes))
        box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    if (clicked != QMessageBox::NoButton)
        return clicked;
    // Closed with Esc or the close box: the escape button, else the last one.
    if (buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    return QMessageBox::Ok;
}

} // namespace

QString MessageCaption(TMsgSymbol symbol)
{
    switch (symbol) {
    case TMsgSymbol::Error:
        return QStringLiteral("Fehlermeldung");
    case TMsgSymbol::Question:
        return QStringLiteral("Bestätigung");
    case TMsgSymbol::Warning:
        return QStringLiteral("Hinweis");
    case TMsgSymbol::Information:
        return QStringLiteral("Information");
    }
    return {};
}

QMessageBox::StandardButton MessageDlg(QWidget *parent, const QString &text, TMsgSymbol symbol,
                                       QMessageBox::StandardButtons buttons)
{
    return Show(parent, MessageCaption(symbol), text, IconOf(symbol), buttons);
}

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void ShowErrorReport(QWidget *parent, const QString &message)
{
    Show(parent, QStringLiteral("Zandivo"), ErrorReportText(message), QMessageBox::Critical, QMessageBox::Ok);
}

void ShowNoPrinterWarning(QWidget *parent)
{
    MessageDlg(parent,
               QStringLiteral("Es wurde kein Drucker gefunden! Ohne Drucker können Probleme während der "
                              "Programmausführung auftreten.\n\n"
                              "Bitte legen Sie in den Druckereinstellungen Ihrer Arbeitsumgebung ein Gerät "
                              "als Standarddrucker fest. Sind keine Geräte vorhanden, können Sie einen "
                              "PDF-Drucker wie z.B. \"cups-pdf\" installieren und das Problem beheben."),
               TMsgSymbol::Information, QMessageBox::Ok);
}
