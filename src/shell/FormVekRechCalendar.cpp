// The main window's month calendar: its picture, paging, dragging, printing
// and the region of its holidays.
#include "shell/FormVekRech.h"

#include "calendar/FormRegion.h"
#include "calendar/MonthCalendar.h"
#include "controls/VistaGradPanel.h"
#include "controls/WheelScrollBox.h"
#include "output/CalendarPrint.h"
#include "shell/MessageDialogs.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QTextEdit>

QImage TFormVekRech::CalendarPicture() const
{
    const TCalendarView view{m_state.CalendarDate, m_state.Clock.Today(), m_state.Settings.Region,
                             m_state.Settings.HolidaysShow};
    QImage picture(CalendarWidth, MonthCalendarHeight(m_state.AccTable, view.Month), QImage::Format_RGB32);
    QPainter painter(&picture);
    ::DrawMonthCalendar(painter, CalendarWidth, m_state.AccTable, view, m_state.AppFormatSettings);
    return picture;
}

void TFormVekRech::DrawMonthCalendar()
{
    if (!m_state.CalendarDate.isValid())
        return;
    m_calendarBox->verticalScrollBar()->setValue(0);
    m_calendarBox->horizontalScrollBar()->setValue(0);
    const QImage picture = CalendarPicture();
    m_calendarImage->setPixmap(QPixmap::fromImage(picture));
    m_calendarImage->resize(picture.size());
    m_drawnToday = m_state.Clock.Today();
}

void TFormVekRech::CalendarNext()
{
    const QDate shown = m_state.CalendarDate;
    m_state.CalendarDate = QDate(shown.year(), shown.month(), 1).addMonths(1);
    DrawMonthCalendar();
}

void TFormVekRech::CalendarBack()
{
    const QDate shown = m_state.CalendarDate;
    m_state.CalendarDate = QDate(shown.year(), shown.month(), 1).addMonths(-1);
    DrawMonthCalendar();
}

void TFormVekRech::CalendarNow()
{
    m_state.CalendarDate = m_state.Clock.Today();
    DrawMonthCalendar();
}

void TFormVekRech::CalendarPrint()
{
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty()) {
        ShowNoPrinterWarning(this);
        return;
    }
    if (MessageDlg(this, QStringLiteral("Soll der Kalender gedruckt werden?"), TMsgSymbol::Question,
                   QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    const int index = m_state.Settings.PrinterIndex;
    const QPrinterInfo chosen = index >= 0 && index < printers.size() ? printers[index] : QPrinterInfo::defaultPrinter();
    QPrinter printer(chosen, QPrinter::HighResolution);
    PrintCalendarPicture(printer, CalendarPicture(), logicalDpiX(), logicalDpiY());
}

void TFormVekRech::CalendarRegion()
{
    TFormRegion dialog(m_state.Settings.Region, m_state.Settings.HolidaysShow, m_state.Paths.HelpFile, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_state.Settings.Region = dialog.Region();
    m_state.Settings.HolidaysShow = dialog.ShowHolidays();
    DrawMonthCalendar();
    ShowRegion();
}

bool TFormVekRech::eventFilter(QObject *watched, QEvent *event)
{
    if (ListKey(watched, event))
        return true;
    if (watched != m_calendarImage)
        return QMainWindow::eventFilter(watched, event);
    // The picture follows the mouse while the left button holds it.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_lastDown = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        m_calendarImage->setCursor(Qt::ClosedHandCursor);
        break;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if ((mouse->buttons() & Qt::LeftButton) && m_lastDown.x() >= 0) {
            const QPoint p = mouse->globalPosition().toPoint();
            QScrollBar *v = m_calendarBox->verticalScrollBar();
            QScrollBar *h = m_calendarBox->horizontalScrollBar();
            v->setValue(v->value() + (m_lastDown.y() - p.y()));
            h->setValue(h->value() + (m_lastDown.x() - p.x()));
            m_lastDown = p;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_lastDown = QPoint(-1, -1);
        m_calendarImage->setCursor(Qt::OpenHandCursor);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
