#include "shell/MainCommands.h"

#include "controls/VekMainMenu.h"
#include "controls/VekPopupMenu.h"
#include "controls/VekToolBar.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QWidget>

namespace {

struct TCommandRow
{
    const char *Name;
    const char16_t *Caption;
    const char *ShortCut;
    const char16_t *Hint;
    const char *Icon;   // base name of the picture, empty for none
};

// Menu entries and context-menu entries. Captions carry their accelerator.
constexpr TCommandRow MenuRows[] = {
    {"mDatei_AccManager", u"&Rechnungsverwaltung", "Ctrl+R", u"Rechnungsdateien verwalten", "acc-manager"},
    {"mDatei_DataPath", u"Daten&verzeichnis", "", u"Anderes Verzeichnis wählen", "data-path"},
    {"mDatei_Backup", u"Daten&sicherung", "Ctrl+S", u"Sichern und wieder herstellen", "backup"},
    {"mDatei_Close", u"&Beenden", "Ctrl+B", u"Programm beenden", "close"},

    {"mRechnung_Add", u"&Hinzufügen", "Ctrl+H", u"Neue Rechnung aufnehmen", "invoice-add"},
    {"mRechnung_Edit", u"B&earbeiten", "Ctrl+E", u"Angaben zur Rechnung ändern", "invoice-edit"},
    {"mRechnung_Move_Up", u"Nach &oben", "", u"Eine Zeile nach oben verschieben", ""},
    {"mRechnung_Move_Down", u"Nach &unten", "", u"Eine Zeile nach unten verschieben", ""},
    {"mRechnung_Delete", u"&Löschen", "Ctrl+L", u"Gewählte Rechnungsdaten entfernen", "invoice-delete"},

    {"mTermin_Add", u"&Hinzufügen", "Ctrl+Alt+H", u"Neuen Zahlungstermin aufnehmen", "term-add"},
    {"mTermin_Edit", u"B&earbeiten", "Ctrl+Alt+E", u"Angaben zum Zahlungstermin ändern", "term-edit"},
    {"mTermin_Move_Up", u"Nach &oben", "", u"Eine Zeile nach oben verschieben", ""},
    {"mTermin_Move_Down", u"Nach &unten", "", u"Eine Zeile nach unten verschieben", ""},
    {"mTermin_Delete", u"&Löschen", "Ctrl+Alt+L", u"Gewählten Zahlungstermin entfernen", "term-delete"},

    {"mImport_Bank", u"&Bankverbindung", "", u"Bankdaten aus anderer Rechnung", "import-bank"},
    {"mImport_Kontakt", u"&Kontakt", "", u"Kontaktdaten aus anderer Rechnung", "import-contact"},

    {"mAusgabe_Print", u"&Drucken", "F4", u"Übersicht aller Rechnungen", "print"},
    {"mAusgabe_Calculate", u"Be&rechnen", "F5", u"Gesamtsummen aller Rechnungen", "calculate"},
    {"mAusgabe_Diagramm", u"Dia&gramm", "F6", u"Grafische Darstellung der Rechnungen", "diagram"},
    {"mAusgabe_Transfer", u"Über&weisung", "F7", u"SEPA-Überweisungsschein als Vordruck", "transfer"},

    {"mExport_Text", u"&Textdatei", "", u"Rechnungsdaten als Textdatei", "export-text"},
    {"mExport_Excel", u"E&xcel-Tabelle", "", u"Rechnungsdaten als XLS-Datei", "export-excel"},
    {"mExport_Clip_Bank", u"&Bankverbindung", "", u"", ""},
    {"mExport_Clip_Kontakt", u"&Kontakt", "", u"", ""},
    {"mExport_Clip_Notiz", u"Be&merkungen", "", u"", ""},
    {"mExport_Clip_Termine", u"Nächste &Termine", "", u"", ""},

    {"mVerwalten_OwnBank", u"&Eigene Konten", "F9", u"", "own-accounts"},

    {"mCalendar_Next", u"Einen Monat &vor", "Ctrl+Alt+V", u"", "calendar-next"},
    {"mCalendar_Back", u"Einen Monat &zurück", "Ctrl+Alt+Z", u"", "calendar-back"},
    {"mCalendar_Now", u"Aktueller &Monat", "Ctrl+Alt+M", u"", "calendar-now"},
    {"mCalendar_Holidays", u"&Feiertage (Region)", "Ctrl+Alt+F", u"", "region"},
    {"mCalendar_Print", u"Kalender &drucken", "Ctrl+Alt+D", u"", "print"},

    {"mHilfe_Themen", u"&Hilfethemen", "F1", u"", "help"},
    {"mHilfe_Steps", u"&Erste Schritte", "F2", u"", "first-steps"},
    {"mHilfe_Info", u"&Information", "F3", u"", "info"},
    {"mHilfe_Web", u"Zandivo im &Internet", "", u"", "web"},

    {"PM_Rechnung_Move_UP", u"Nach &oben verschieben", "", u"", ""},
    {"PM_Rechnung_Move_Down", u"Nach &unten verschieben", "", u"", ""},
    {"PM_Termine_Move_Up", u"Nach &oben verschieben", "", u"", ""},
    {"PM_Termine_Move_Down", u"Nach &unten verschieben", "", u"", ""},
    {"PM_Calendar_Next", u"Einen Monat &vor", "Ctrl+Alt+V", u"", "calendar-next"},
    {"PM_Calendar_Back", u"Einen Monat &zurück", "Ctrl+Alt+Z", u"", "calendar-back"},
    {"PM_Calendar_Now", u"Aktueller &Monat", "Ctrl+Alt+M", u"", "calendar-now"},
    {"PM_Calendar_Holidays", u"&Feiertage (Region)", "Ctrl+Alt+F", u"", "region"},
    {"PM_Calendar_Print", u"Kalender &drucken", "Ctrl+Alt+D", u"", "print"},
    {"PM_Import_Data", u"&Bankverbindung übernehmen aus...", "", u"", "import-bank"},
};

struct TToolRow
{
    const char *Name;
    const char16_t *Hint;
    const char *Icon;
};

// Tool-bar buttons, left to right; an empty name stands for a separator.
constexpr TToolRow ToolRows[] = {
    {"TB_AccManager", u"Rechnungsdateien verwalten", "acc-manager"},
    {"", u"", ""},
    {"TB_Rechnung_Add", u"Neue Rechnung aufnehmen", "invoice-add"},
    {"TB_Rechnung_Edit", u"Angaben zur Rechnung ändern", "invoice-edit"},
    {"TB_Rechnung_Delete", u"Gewählte Rechnungsdaten entfernen", "invoice-delete"},
    {"", u"", ""},
    {"TB_Termin_Add", u"Neuen Zahlungstermin aufnehmen", "term-add"},
    {"TB_Termin_Edit", u"Angaben zum Zahlungstermin ändern", "term-edit"},
    {"TB_Termin_Delete", u"Gewählten Zahlungstermin entfernen", "term-delete"},
    {"", u"", ""},
    {"TB_Ausgabe_Print", u"Übersicht aller Rechnungen drucken", "print"},
    {"TB_Ausgabe_Calculate", u"Gesamtsummen aller Rechnungen", "calculate"},
    {"TB_Ausgabe_Diagramm", u"Grafische Darstellung der Rechnungen", "diagram"},
    {"TB_Ausgabe_Transfer", u"SEPA-Überweisungsschein als Vordruck", "transfer"},
    {"", u"", ""},
    {"TB_WindowsRechner", u"Taschenrechner aufrufen", "calculator"},
    {"", u"", ""},
    {"TB_Calendar_Back", u"Kalender - einen Monat Zurück", "calendar-back"},
    {"TB_Calendar_Now", u"Kalender - aktueller Monat", "calendar-now"},
    {"TB_Calendar_Next", u"Kalender - einen Monat vor", "calendar-next"},
    {"", u"", ""},
    {"TB_Hilfe_Themen", u"Programmhilfe aufrufen", "help"},
    {"TB_Hilfe_Info", u"Informationen zum Programm", "info"},
    {"", u"", ""},
    {"TB_Close", u"Programm beenden", "close"},
};

// The menu bar: a menu title, then its entries; "-" is a separator, "+Title"
// opens a sub-menu and "<" closes it.
constexpr const char16_t *MenuLayout[] = {
    u"&Datei", u"mDatei_AccManager", u"-", u"mDatei_DataPath", u"mDatei_Backup", u"-", u"mDatei_Close", nullptr,
    u"&Rechnung", u"mRechnung_Add", u"mRechnung_Edit", u"+&Verschieben|Nach oben oder unten verschieben",
    u"mRechnung_Move_Up", u"mRechnung_Move_Down", u"<", u"-", u"mRechnung_Delete", nullptr,
    u"Zahlungs&termin", u"mTermin_Add", u"mTermin_Edit", u"+&Verschieben|Nach oben oder unten verschieben",
    u"mTermin_Move_Up", u"mTermin_Move_Down", u"<", u"-", u"mTermin_Delete", nullptr,
    u"Über&nahme", u"mImport_Bank", u"mImport_Kontakt", nullptr,
    u"&Ausgabe", u"mAusgabe_Print", u"mAusgabe_Calculate", u"mAusgabe_Diagramm", u"mAusgabe_Transfer", nullptr,
    u"&Exportieren", u"mExport_Text", u"mExport_Excel", u"-", u"+&Zwischenablage|", u"mExport_Clip_Bank",
    u"mExport_Clip_Kontakt", u"mExport_Clip_Notiz", u"-", u"mExport_Clip_Termine", u"<", nullptr,
    u"&Verwalten", u"mVerwalten_OwnBank", nullptr,
    u"&Kalender", u"mCalendar_Next", u"mCalendar_Back", u"mCalendar_Now", u"-", u"mCalendar_Holidays", u"-",
    u"mCalendar_Print", nullptr,
    u"&Hilfe", u"mHilfe_Themen", u"mHilfe_Steps", u"mHilfe_Info", u"-", u"mHilfe_Web", nullptr,
};

QString Text(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

TMainCommands::TMainCommands(QWidget *window)
    : QObject(window), m_window(window)
{
    for (const TCommandRow &row : MenuRows)
        Make(QString::fromLatin1(row.Name), Text(row.Caption), QString::fromLatin1(row.ShortCut), Text(row.Hint),
             row.Icon[0] != '\0' ? QStringLiteral(":/icons/menu/%1.svg").arg(QLatin1String(row.Icon)) : QString());
    for (const TToolRow &row : ToolRows) {
        if (row.Name[0] == '\0')
            continue;
        // A button shows only its picture: its hint is its name for screen
        // readers as well as its tool tip.
        Make(QString::fromLatin1(row.Name), Text(row.Hint), QString(), Text(row.Hint),
             QStringLiteral(":/icons/toolbar/%1.svg").arg(QLatin1String(row.Icon)));
    }
}

QAction *TMainCommands::Make(const QString &name, const QString &caption, const QString &shortCut,
                             const QString &hint, const QString &icon)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setStatusTip(hint);
    if (!shortCut.isEmpty()) {
        action->setShortcut(QKeySequence(shortCut));
        // Only the main menu's entries own their keys; the context menus
        // show the same keys without taking them twice.
        action->setShortcutContext(name.startsWith(u'm') ? Qt::WindowShortcut : Qt::WidgetShortcut);
    }
    if (!icon.isEmpty())
        action->setIcon(QIcon(icon));
    m_actions.insert(name, action);
    return action;
}

QAction *TMainCommands::Action(const QString &name) const
{
    QAction *action = m_actions.value(name);
    Q_ASSERT_X(action != nullptr, "TMainCommands::Action", qPrintable(name));
    return action;
}

TVekMainMenu *TMainCommands::BuildMainMenu(TVekMenuDesigner *designer)
{
    auto *bar = new TVekMainMenu(m_window);
    TVekPopupMenu *menu = nullptr;
    TVekPopupMenu *parentMenu = nullptr;
    bool startMenu = true;
    for (const char16_t *entry : MenuLayout) {
        if (entry == nullptr) {
            startMenu = true;
            continue;
        }
        const QString text = Text(entry);
        if (startMenu) {
            menu = bar->AddMenu(text);
            startMenu = false;
        } else if (text == u"-") {
            menu->addSeparator();
        } else if (text.startsWith(u'+')) {
            const QStringList parts = text.mid(1).split(u'|');
            parentMenu = menu;
            menu = parentMenu->AddMenu(parts.value(0));
            menu->menuAction()->setStatusTip(parts.value(1));
            if (text.contains(QStringLiteral("Zwischenablage")))
                menu->menuAction()->setObjectName(QStringLiteral("mExport_Clip"));
        } else if (text == u"<") {
            menu = parentMenu;
        } else {
            menu->addAction(Action(text));
        }
    }
    bar->SetMenuDesigner(designer);
    return bar;
}

TVekToolBar *TMainCommands::BuildToolBar(TVekMenuDesigner *designer)
{
    auto *bar = new TVekToolBar(m_window);
    bar->setObjectName(QStringLiteral("VekToolBar1"));
    bar->setIconSize(QSize(24, 24));
    bar->SetShowTopLine(true);
    bar->SetShowBottomLine(true);
    for (const TToolRow &row : ToolRows) {
        if (row.Name[0] == '\0')
            bar->addSeparator();
        else
            bar->addAction(Action(QString::fromLatin1(row.Name)));
    }
    bar->SetMenuDesigner(designer);
    return bar;
}

TVekPopupMenu *TMainCommands::BuildContextMenu(const QString &name, TVekMenuDesigner *designer)
{
    auto *menu = new TVekPopupMenu(m_window);
    menu->setObjectName(name);
    auto add = [&](const char *action) { menu->addAction(Action(QString::fromLatin1(action))); };
    if (name == u"PM_ListBoxAcc") {
        add("PM_Rechnung_Move_UP");
        add("PM_Rechnung_Move_Down");
    } else if (name == u"PM_ListView_Termine") {
        add("PM_Termine_Move_Up");
        add("PM_Termine_Move_Down");
    } else if (name == u"PM_Calendar") {
        add("PM_Calendar_Next");
        add("PM_Calendar_Back");
        add("PM_Calendar_Now");
        menu->addSeparator();
        add("PM_Calendar_Holidays");
        menu->addSeparator();
        add("PM_Calendar_Print");
    } else if (name == u"PM_Import") {
        add("PM_Import_Data");
    }
    menu->SetMenuDesigner(designer);
    return menu;
}
