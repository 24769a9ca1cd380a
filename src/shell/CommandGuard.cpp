#include "shell/CommandGuard.h"

#include "shell/MessageDialogs.h"
#include "storage/IoError.h"

#include <QString>

#include <new>

void ReportCommandFailure(QWidget *parent, std::exception_ptr failure)
{
    QString text;
    try {
        std::rethrow_exception(failure);
    } catch (const EInOutError &e) {
        text = e.Message();
    } catch (const std::bad_alloc &) {
        text = QStringLiteral("Zu wenig Arbeitsspeicher");
    } catch (const std::exception &e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text = QStringLiteral("Unbekannter Fehler");
    }
    ShowErrorReport(parent, text);
}
