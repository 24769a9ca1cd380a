// Starts the main window on a sample invoice file in a throw-away home
// folder and saves pictures of it and of its dialogs.
#include "files/FormAccEdit.h"
#include "files/FormAccManager.h"
#include "terms/AccDialog.h"
#include "terms/TermDialog.h"
#include "shell/FormInfo.h"
#include "shell/FormVekRech.h"
#include "shell/Startup.h"
#include "storage/AccFile.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

struct TSampleTerm
{
    const char *Due;
    const char16_t *Amount;
    const char16_t *Remark;
    const char16_t *Done;
    int IsDone;
};

struct TSampleInvoice
{
    const char *Id;
    const char16_t *Name;
    const char16_t *Legend;
    std::initializer_list<TSampleTerm> Terms;
};

const TSampleInvoice Samples[] = {
    {"001", u"Miete", u"Wohnung Gärtnerstraße 12",
     {{"01.10.2026", u"750.00 €", u"Oktober", u"Überwiesen am 30.09.2026", 1},
      {"01.11.2026", u"750.00 €", u"November", u"Überwiesen am 30.10.2026", 1},
      {"01.12.2026", u"750.00 €", u"Dezember", u"", 0},
      {"01.01.2027", u"750.00 €", u"Januar", u"", 0}}},
    {"002", u"Strom", u"Abschlag Stadtwerke",
     {{"15.11.2026", u"62.00 €", u"Abschlag", u"Abgebucht am 15.11.2026", 1},
      {"15.12.2026", u"62.00 €", u"Abschlag", u"", 0}}},
    {"003", u"Grundsteuer", u"Stadtkasse Musterstadt",
     {{"15.02.2027", u"118.40 €", u"1. Rate", u"", 0}, {"15.05.2027", u"118.40 €", u"2. Rate", u"", 0}}},
    {"004", u"Versicherung", u"Hausrat und Haftpflicht", {{"11.12.2026", u"214.90 €", u"Jahresbeitrag", u"", 0}}},
    {"005", u"Hundesteuer", u"", {{"01.03.2027", u"96.00 €", u"", u"", 0}}},
};

TAccTable SampleTable()
{
    TAccTable table;
    ClearAccTable(table);
    std::size_t slot = 0;
    for (const TSampleInvoice &s : Samples) {
        TAccRecord &r = table[slot++];
        r.AccId.SetText(QString::fromLatin1(s.Id));
        r.AccName.SetText(QString::fromUtf16(s.Name));
        r.AccLegend.SetText(QString::fromUtf16(s.Legend));
        std::size_t t = 0;
        for (const TSampleTerm &term : s.Terms) {
            r.TermPayable[t].SetText(QString::fromLatin1(term.Due));
            r.TermAmount[t].SetText(QString::fromUtf16(term.Amount));
            r.TermDescript[t].SetText(QString::fromUtf16(term.Remark));
            r.TermRemark[t].SetText(QString::fromUtf16(term.Done));
            r.TermDone[t] = static_cast<std::uint8_t>(term.IsDone);
            ++t;
        }
    }
    TAccRecord &rent = table[0];
    rent.BankHolder.SetText(QStringLiteral("Hausverwaltung Weiß & Partner"));
    rent.BankName.SetText(QStringLiteral("Sparkasse"));
    rent.BankIBAN.SetText(QStringLiteral("DE02120300000000202051"));
    rent.BankBIC.SetText(QStringLiteral("BYLADEM1001"));
    rent.BankUse1.SetText(QStringLiteral("Mieternummer 4711"));
    return table;
}

void Save(QWidget &widget, const QDir &folder, const QString &name)
{
    widget.grab().save(folder.filePath(name + QStringLiteral(".png")));
    QTextStream(stdout) << folder.filePath(name + QStringLiteral(".png")) << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());

    QApplication app(argc, argv);
    InitZandivoResources();
    InstallFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(out.path());

    // Start-up messages (no printer on a build machine) are confirmed; in
    // the manager that opens at the start, the sample file is opened.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->accept();
        } else if (auto *manager = qobject_cast<TFormAccManager *>(modal)) {
            auto *list = manager->findChild<QListWidget *>(QStringLiteral("AccFilesList"));
            const auto found = list->findItems(QStringLiteral("Haushalt 2026"), Qt::MatchExactly);
            if (!found.isEmpty())
                list->setCurrentItem(found.first());
            manager->findChild<QPushButton *>(QStringLiteral("btnOpen"))->click();
        }
    });
    answer.start(20);

    TFormVekRech window;
    if (!window.FormCreate())
        return 1;
    TAppState &state = window.State();
    state.Clock.Pin(QDateTime(QDate(2026, 12, 11), QTime(9, 41)));
    const QString file = state.Paths.DataDirectory + QStringLiteral("Haushalt 2026.rcc");
    WriteAccFile(file, SampleTable());
    WriteAccFile(state.Paths.DataDirectory + QStringLiteral("Haushalt 2027.rcc"), SampleTable());
    CreateAccFile(state.Paths.DataDirectory + QStringLiteral("Ferienwohnung.rcc"));
    window.resize(984, 682);
    window.show();
    window.activateWindow();
    while (state.AccFileName.isEmpty())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    answer.stop();
    window.findChild<QListWidget *>(QStringLiteral("ListBoxAcc"))->setCurrentRow(0);
    QCoreApplication::processEvents();
    Save(window, out, QStringLiteral("main-window"));

    // The main window with the invoice and the term dialog over it.
    {
        TAccDialog accDialog(QStringLiteral("Rechnung bearbeiten..."), QStringLiteral("Miete"),
                             QStringLiteral("Wohnung Gärtnerstraße 12"), state.Paths.HelpFile, &window);
        TTermDialog termDialog(QStringLiteral("Zahlungstermin bearbeiten..."),
                               {QStringLiteral("01.12.2026"), QStringLiteral("750.00"), QStringLiteral("Dezember"),
                                QStringLiteral("Überwiesen am 30.11.2026"), true},
                               state.Clock.Today(), state.Paths.HelpFile, &window);
        accDialog.show();
        termDialog.show();
        QCoreApplication::processEvents();
        Save(accDialog, out, QStringLiteral("acc-dialog"));
        Save(termDialog, out, QStringLiteral("term-dialog"));
        QImage composite = window.grab().toImage();
        QPainter painter(&composite);
        const auto framed = [&](QWidget &dialog, QPoint at) {
            painter.fillRect(QRect(at - QPoint(1, 1), dialog.size() + QSize(2, 2)), QColor(0x3E, 0x57, 0x46));
            painter.drawImage(at, dialog.grab().toImage());
        };
        framed(accDialog, QPoint(120, 160));
        framed(termDialog, QPoint(470, 300));
        painter.end();
        composite.save(out.filePath(QStringLiteral("main-window-dialogs.png")));
    }

    TFormAccManager manager({state.Paths.DataDirectory, file, state.Paths.HelpFile, state.Clock.Today()}, &window);
    manager.show();
    QCoreApplication::processEvents();
    Save(manager, out, QStringLiteral("acc-manager"));

    TFormInfo info(&window);
    info.show();
    QCoreApplication::processEvents();
    Save(info, out, QStringLiteral("info"));

    TFormAccEdit edit(QStringLiteral("Neue Rechnungsdatei..."), QString(), state.Clock.Today(), state.Paths.HelpFile,
                      &window);
    edit.show();
    QCoreApplication::processEvents();
    Save(edit, out, QStringLiteral("acc-edit"));
    return 0;
}
