#include "shell/FormVekRech.h"

#include "calendar/Holidays.h"
#include "controls/DialogParts.h"
#include "controls/StandardListRow.h"
#include "controls/TesselListView.h"
#include "controls/TesselTabsControl.h"
#include "controls/VekDsgListBox.h"
#include "controls/VekMainMenu.h"
#include "controls/VekMenuDesigner.h"
#include "controls/VekPopupMenu.h"
#include "controls/VekToolBar.h"
#include "controls/VistaGradLabel.h"
#include "controls/VistaGradPanel.h"
#include "controls/WheelScrollBox.h"
#include "files/AccFileStore.h"
#include "files/FormAccManager.h"
#include "shell/AccDataPanels.h"
#include "shell/Calculator.h"
#include "shell/CommandGuard.h"
#include "shell/FormInfo.h"
#include "shell/HelpTopics.h"
#include "shell/HelpWindow.h"
#include "shell/MainCommands.h"
#include "shell/MessageDialogs.h"
#include "shell/NetworkPath.h"
#include "storage/IoError.h"
#include "terms/TermRowPainter.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPrinterInfo>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <cerrno>

namespace {

const QColor WindowColor(0x9B, 0xC1, 0xAA);
constexpr int Gap = 4;
constexpr int MinPaneWidth = 200;

void Paint(QWidget *widget, const QColor &color)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
}

QWidget *Pane(TVistaGradLabel *label, QWidget *content)
{
    auto *pane = new QWidget;
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(label);
    layout->addWidget(content, 1);
    return pane;
}

// The section label of the main window: centred, lines left, right and top.
TVistaGradLabel *SectionLabel(QWidget *parent, const QString &caption, QWidget *pane)
{
    TVistaGradLabel *label = MakeSectionLabel(parent, caption, pane);
    label->SetOrientation(TOrientation::oCenter);
    return label;
}

TVistaGradPanel *StatusPanel(QWidget *parent, const QString &name)
{
    auto *panel = new TVistaGradPanel(parent);
    panel->setObjectName(name);
    panel->SetGradStyle(TGradStyle::gsDEFAULT);
    panel->SetStartColor(QColor(0xE6, 0xE2, 0xD2));
    panel->SetEndColor(QColor(0xCB, 0xC4, 0xA5));
    panel->SetLineColor(QColor(0x66, 0x8E, 0x74));
    panel->SetGradOrientation(TGradOrientation::goTopToBottom);
    panel->SetTopLine(true);
    panel->SetLeftLine(true);
    panel->SetRightLine(true);
    panel->SetCaption(QString());
    panel->setFixedHeight(20);
    return panel;
}

} // namespace

TFormVekRech::TFormVekRech(QWidget *parent)
    : QMainWindow(parent), m_designer(new TVekMenuDesigner(this)), m_commands(new TMainCommands(this))
{
    setObjectName(QStringLiteral("FormVekRech"));
    setWindowTitle(QStringLiteral("Zandivo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/zandivo.svg")));
    setMinimumSize(MinWindowWidth, MinWindowHeight);
    resize(984, 682);
    setFont(QFont(QStringLiteral("Arial"), 9));
    m_designer->SetMenuDesign(TMenuDesign::mdSAND);
    BuildLayout();
    ConnectCommands();
    ConnectListKeys();
    DisableLaterCommands();
    Timer1Timer();

    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    connect(timer, &QTimer::timeout, this, &TFormVekRech::Timer1Timer);
    timer->start(300);
}

TFormVekRech::~TFormVekRech()
{
    FormDestroy();
}

// ---------------------------------------------------------------- layout

void TFormVekRech::BuildLayout()
{
    m_mainMenu = m_commands->BuildMainMenu(m_designer);
    setMenuBar(m_mainMenu);
    m_toolBar = m_commands->BuildToolBar(m_designer);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_menuListAcc = m_commands->BuildContextMenu(QStringLiteral("PM_ListBoxAcc"), m_designer);
    m_menuListTerms = m_commands->BuildContextMenu(QStringLiteral("PM_ListView_Termine"), m_designer);
    m_menuCalendar = m_commands->BuildContextMenu(QStringLiteral("PM_Calendar"), m_designer);
    m_menuImport = m_commands->BuildContextMenu(QStringLiteral("PM_Import"), m_designer);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Central"));
    Paint(central, WindowColor);

    m_title = new TVistaGradPanel(central);
    m_title->setObjectName(QStringLiteral("VPanelTitle"));
    m_title->SetGradStyle(TGradStyle::gsDEFAULT);
    m_title->SetStartColor(QColor(0x51, 0x71, 0x5C));
    m_title->SetEndColor(QColor(0x9B, 0xC1, 0xAA));
    m_title->SetLineColor(QColor(0x3E, 0x57, 0x46));
    m_title->SetTopLine(true);
    m_title->SetButtomLine(true);
    m_title->SetFontColor(Qt::white);
    m_title->setFixedHeight(20);
    ShowTitle();

    auto *body = new QHBoxLayout;
    body->setContentsMargins(Gap, Gap, Gap, Gap);
    body->setSpacing(Gap);
    auto *left = new QVBoxLayout;
    left->setSpacing(Gap);
    left->addWidget(BuildLeftArea(), 1);
    left->addWidget(BuildLowerArea());
    body->addLayout(left, 1);
    body->addWidget(BuildRightArea());

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addLayout(body, 1);
    layout->addWidget(BuildStatusLine());
    setCentralWidget(central);
}

QWidget *TFormVekRech::BuildLeftArea()
{
    m_listAcc = new TVekDsgListBox;
    m_listAcc->setObjectName(QStringLiteral("ListBoxAcc"));
    m_listAcc->SetBorderColor(QColor(0x66, 0x8E, 0x74));
    m_listAcc->SetItemHeight(36);
    m_listAcc->SetDrawItem([this](QPainter &painter, const QRect &rect, int index, bool selected) {
        painter.setFont(m_listAcc->font());
        DrawStandardListRow(painter, rect,
                            {m_listAcc->item(index)->text(), selected, m_listAcc->hasFocus(), index == 0, true});
    });
    connect(m_listAcc, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            RunCommand(this, [&] { SelectInvoice(row); });
    });
    auto *accPane = Pane(SectionLabel(this, QStringLiteral("Rechnungen"), m_listAcc), m_listAcc);
    accPane->setObjectName(QStringLiteral("PanelAccList"));
    accPane->setMinimumWidth(MinPaneWidth);

    m_listTerms = new TTesselListView;
    m_listTerms->setObjectName(QStringLiteral("ListViewTerms"));
    m_listTerms->SetItemHeight(18);
    m_listTerms->SetHeaderFrame(true);
    m_listTerms->SetSortStyle(TTesselListView::TSortStyle::sDateTime);
    m_listTerms->setHeaderLabels({QStringLiteral("Fällig am"), QStringLiteral("Betrag"), QStringLiteral("Bemerkung"),
                                  QStringLiteral("Erledigungsvermerk"), QString()});
    m_listTerms->headerItem()->setTextAlignment(1, Qt::AlignRight);
    QHeaderView *header = m_listTerms->header();
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->resizeSection(0, 75);
    header->resizeSection(1, 70);
    header->resizeSection(3, 170);
    header->resizeSection(4, 20);
    m_termPainter = std::make_unique<TTermRowPainter>(*m_listTerms, [this](int row) {
        const int k = SelectedInvoice();
        if (k < 0 || row < 0)
            return TTermState::Normal;
        return TermState(m_state.AccTable[static_cast<std::size_t>(k)], row, m_state.Clock.Today());
    });
    m_listTerms->SetDrawItem([this](QPainter &painter, QTreeWidgetItem *item, const QRect &rect, bool selected) {
        m_termPainter->Paint(painter, item, rect, selected);
    });
    auto *termPane = Pane(SectionLabel(this, QStringLiteral("Zahlungstermine"), m_listTerms), m_listTerms);
    termPane->setObjectName(QStringLiteral("PanelTerms"));
    termPane->setMinimumWidth(MinPaneWidth);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("SplitterDataList"));
    m_splitter->setHandleWidth(Gap);
    m_splitter->setOpaqueResize(true);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(accPane);
    m_splitter->addWidget(termPane);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    return m_splitter;
}

QWidget *TFormVekRech::BuildLowerArea()
{
    auto *lower = new QWidget;
    lower->setFixedHeight(240);
    m_dataPanels = new TAccDataPanels;
    m_dataPanels->setFixedWidth(350);
    m_dataPanels->Tabs()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_dataPanels->Tabs(), &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        // The entry names what the shown tab would take over; the note tab has none.
        QAction *take = m_commands->Action(QStringLiteral("PM_Import_Data"));
        const int tab = m_dataPanels->Tabs()->TabIndex();
        take->setText(tab == 1 ? QStringLiteral("&Kontakt übernehmen aus...")
                               : QStringLiteral("&Bankverbindung übernehmen aus..."));
        take->setVisible(tab != 2);
        if (tab != 2)
            m_menuImport->popup(m_dataPanels->Tabs()->mapToGlobal(at));
    });
    m_dataPanels->SetOnModified([this] { m_state.AccModified = true; });

    m_nextTerms = new QTextEdit;
    m_nextTerms->setObjectName(QStringLiteral("RichEditNextTerms"));
    m_nextTerms->setReadOnly(true);
    m_nextTerms->setFrameShape(QFrame::NoFrame);
    m_nextTerms->setFont(QFont(QStringLiteral("Arial"), 9));
    m_nextTerms->document()->setDocumentMargin(5);
    QPalette nextPalette = m_nextTerms->palette();
    nextPalette.setColor(QPalette::Base, QColor(0xF1, 0xEF, 0xE7));
    m_nextTerms->setPalette(nextPalette);
    m_nextTerms->viewport()->setPalette(nextPalette);
    auto *nextPane = Pane(SectionLabel(this, QStringLiteral("Nächste Termine"), m_nextTerms), m_nextTerms);

    auto *layout = new QHBoxLayout(lower);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Gap);
    layout->addWidget(m_dataPanels);
    layout->addWidget(nextPane, 1);
    return lower;
}

QWidget *TFormVekRech::BuildRightArea()
{
    auto *right = new QWidget;
    right->setFixedWidth(324);

    m_calendarBox = new TWheelScrollBox;
    m_calendarBox->setObjectName(QStringLiteral("ScrollBoxCalender"));
    Paint(m_calendarBox, QColor(0xF1, 0xEF, 0xE7));
    m_calendarBox->setBackgroundRole(QPalette::Window);
    m_calendarBox->viewport()->setBackgroundRole(QPalette::Window);
    m_calendarImage = new QLabel;
    m_calendarImage->setObjectName(QStringLiteral("ImageCalender"));
    m_calendarImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_calendarImage->setCursor(Qt::OpenHandCursor);
    m_calendarImage->installEventFilter(this);
    m_calendarImage->setContextMenuPolicy(Qt::CustomContextMenu);
    m_calendarBox->setWidget(m_calendarImage);
    m_calendarBox->setWidgetResizable(false);

    auto *pins = new QWidget;
    pins->setObjectName(QStringLiteral("PanelPins"));
    Paint(pins, QColor(0xF1, 0xEF, 0xE7));
    auto *docs = new QWidget;
    docs->setObjectName(QStringLiteral("PanelDocuView"));
    Paint(docs, QColor(0xF1, 0xEF, 0xE7));

    m_rightPages = new QStackedWidget;
    m_rightPages->addWidget(Pane(SectionLabel(this, QStringLiteral("Kalender"), m_calendarBox), m_calendarBox));
    m_rightPages->addWidget(Pane(SectionLabel(this, QStringLiteral("Notizen"), pins), pins));
    m_rightPages->addWidget(Pane(SectionLabel(this, QStringLiteral("Dokumente"), docs), docs));

    m_tabsCalDocu = new TTesselTabsControl;
    m_tabsCalDocu->setObjectName(QStringLiteral("TesselTabsCalDocu"));
    m_tabsCalDocu->SetTabStyle(TStyle::sBottomToTop);
    m_tabsCalDocu->SetTabItems({QStringLiteral("Kalender"), QStringLiteral("Notizen"), QStringLiteral("Dokumente")});
    m_tabsCalDocu->SetImages({QIcon(QStringLiteral(":/icons/tabs/calendar.svg")).pixmap(16).toImage(),
                              QIcon(QStringLiteral(":/icons/tabs/notes.svg")).pixmap(16).toImage(),
                              QIcon(QStringLiteral(":/icons/tabs/documents.svg")).pixmap(16).toImage()});
    connect(m_tabsCalDocu, &TTesselTabsControl::Change, this, [this] {
        if (m_tabsCalDocu->TabIndex() >= 0)
            m_rightPages->setCurrentIndex(m_tabsCalDocu->TabIndex());
    });
    m_tabsCalDocu->SetTabIndex(0);

    auto *layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_rightPages, 1);
    layout->addWidget(m_tabsCalDocu);
    return right;
}

QWidget *TFormVekRech::BuildStatusLine()
{
    auto *line = new QWidget;
    line->setFixedHeight(20);
    m_statusInfo = StatusPanel(line, QStringLiteral("VStatusInfo"));
    m_statusRegion = StatusPanel(line, QStringLiteral("VStatusRegion"));
    m_statusDatum = StatusPanel(line, QStringLiteral("VStatusDatum"));
    m_statusDatum->SetClock(&m_state.Clock);
    m_statusDatum->SetAlign(TAlign::alRight);
    m_statusDatum->SetAutoSize(true);
    m_statusDatum->SetShowCaption(false);
    m_statusDatum->SetShowDate(true);
    m_statusDatum->SetShowKW(true);
    m_statusDatum->SetShowTime(true);
    auto *layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_statusInfo, 1);
    layout->addWidget(m_statusRegion, 1);
    layout->addWidget(m_statusDatum);
    return line;
}

// ---------------------------------------------------------------- commands

void TFormVekRech::ConnectCommands()
{
    auto on = [this](const char *name, auto &&slot) {
        connect(m_commands->Action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, slot] { RunCommand(this, slot); });
    };
    on("mDatei_AccManager", [this] { mDatei_AccManagerClick(); });
    on("TB_AccManager", [this] { mDatei_AccManagerClick(); });
    on("mDatei_Close", [this] { close(); });
    on("mRechnung_Add", [this] { mRechnung_AddClick(); });
    on("TB_Rechnung_Add", [this] { mRechnung_AddClick(); });
    on("mRechnung_Edit", [this] { mRechnung_EditClick(); });
    on("TB_Rechnung_Edit", [this] { mRechnung_EditClick(); });
    on("mRechnung_Delete", [this] { mRechnung_DeleteClick(); });
    on("TB_Rechnung_Delete", [this] { mRechnung_DeleteClick(); });
    on("mRechnung_Move_Up", [this] { mRechnung_MoveClick(-1); });
    on("PM_Rechnung_Move_UP", [this] { mRechnung_MoveClick(-1); });
    on("mRechnung_Move_Down", [this] { mRechnung_MoveClick(+1); });
    on("PM_Rechnung_Move_Down", [this] { mRechnung_MoveClick(+1); });
    on("mTermin_Add", [this] { mTermin_AddClick(); });
    on("TB_Termin_Add", [this] { mTermin_AddClick(); });
    on("mTermin_Edit", [this] { mTermin_EditClick(); });
    on("TB_Termin_Edit", [this] { mTermin_EditClick(); });
    on("mTermin_Delete", [this] { mTermin_DeleteClick(); });
    on("TB_Termin_Delete", [this] { mTermin_DeleteClick(); });
    on("mTermin_Move_Up", [this] { mTermin_MoveClick(-1); });
    on("PM_Termine_Move_Up", [this] { mTermin_MoveClick(-1); });
    on("mTermin_Move_Down", [this] { mTermin_MoveClick(+1); });
    on("PM_Termine_Move_Down", [this] { mTermin_MoveClick(+1); });
    on("TB_Close", [this] { close(); });
    on("TB_WindowsRechner", [this] {
        if (!StartCalculator())
            MessageDlg(this, QStringLiteral("Das externe Programm konnte nicht gestartet werden!"), TMsgSymbol::Error);
    });
    on("mCalendar_Next", [this] { CalendarNext(); });
    on("TB_Calendar_Next", [this] { CalendarNext(); });
    on("PM_Calendar_Next", [this] { CalendarNext(); });
    on("mCalendar_Back", [this] { CalendarBack(); });
    on("TB_Calendar_Back", [this] { CalendarBack(); });
    on("PM_Calendar_Back", [this] { CalendarBack(); });
    on("mCalendar_Now", [this] { CalendarNow(); });
    on("TB_Calendar_Now", [this] { CalendarNow(); });
    on("PM_Calendar_Now", [this] { CalendarNow(); });
    on("mCalendar_Holidays", [this] { CalendarRegion(); });
    on("PM_Calendar_Holidays", [this] { CalendarRegion(); });
    on("mCalendar_Print", [this] { CalendarPrint(); });
    on("PM_Calendar_Print", [this] { CalendarPrint(); });
    connect(m_calendarImage, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        // The context menu pages only within the shown year.
        const int m = m_state.CalendarDate.month();
        m_commands->Action(QStringLiteral("PM_Calendar_Next"))->setEnabled(m < 12);
        m_commands->Action(QStringLiteral("PM_Calendar_Back"))->setEnabled(m > 1);
        m_commands->Action(QStringLiteral("PM_Calendar_Now"))->setEnabled(m != m_state.Clock.Today().month());
        m_menuCalendar->popup(m_calendarImage->mapToGlobal(at));
    });
    on("mHilfe_Themen", [this] { ShowHelp(this, m_state.Paths.HelpFile, HelpTopic::Contents); });
    on("TB_Hilfe_Themen", [this] { ShowHelp(this, m_state.Paths.HelpFile, HelpTopic::Contents); });
    on("mHilfe_Steps", [this] { ShowHelp(this, m_state.Paths.HelpFile, HelpTopic::AccManagerEmpty); });
    on("mHilfe_Info", [this] { TFormInfo(this).exec(); });
    on("TB_Hilfe_Info", [this] { TFormInfo(this).exec(); });
    on("mHilfe_Web", [this] {
        if (!QDesktopServices::openUrl(QUrl(QStringLiteral("https://www.zandivo.de"))))
            MessageDlg(this, QStringLiteral("Das externe Programm konnte nicht gestartet werden!"), TMsgSymbol::Error);
    });
}

void TFormVekRech::DisableLaterCommands()
{
    // Commands whose dialogs and output come with later work: present with
    // their captions, keys and hints, but not yet usable.
    static constexpr const char *Later[] = {
        "mDatei_DataPath",      "mDatei_Backup",       "mImport_Bank",        "mImport_Kontakt",
        "mAusgabe_Print",       "mAusgabe_Calculate",  "mAusgabe_Diagramm",   "mAusgabe_Transfer",
        "mExport_Text",         "mExport_Excel",       "mExport_Clip_Bank",   "mExport_Clip_Kontakt",
        "mExport_Clip_Notiz",   "mExport_Clip_Termine", "mVerwalten_OwnBank", "PM_Import_Data",
        "TB_Ausgabe_Print",     "TB_Ausgabe_Calculate", "TB_Ausgabe_Diagramm", "TB_Ausgabe_Transfer",
    };
    for (const char *name : Later)
        m_commands->Action(QString::fromLatin1(name))->setEnabled(false);
}

// ---------------------------------------------------------------- start and end

bool TFormVekRech::FormCreate()
{
    m_state.AppFormatSettings = InitFormatSettings();

    m_state.Paths = ProgramPaths();
    if (!QFileInfo::exists(m_state.Paths.HelpFile))
        MessageDlg(this, QStringLiteral("Die Hilfedatei wurde nicht gefunden!"), TMsgSymbol::Error);

    if (!PrepareProgramDataFolder())
        return false;
    ReadSettingsFile();
    if (!PrepareDataDirectory())
        return false;
    LoadOwnAccountsFile();

    m_state.AccModified = false;
    m_state.PinsModified = false;
    m_dataPanels->Tabs()->SetTabIndex(0);
    m_tabsCalDocu->SetTabIndex(0);
    m_state.CalendarDate = m_state.Clock.Today();
    DrawMonthCalendar();
    ShowRegion();
    setWindowTitle(QStringLiteral("Zandivo"));
    m_firstActivation = true;
    return true;
}

bool TFormVekRech::PrepareProgramDataFolder()
{
    if (QDir().mkpath(m_state.Paths.ProgramDataFolder))
        return true;
    MessageDlg(this, QStringLiteral("Verzeichnis für Programmdaten konnte nicht angelegt werden!"),
               TMsgSymbol::Error);
    return false;
}

void TFormVekRech::ReadSettingsFile()
{
    TPrinterDefaults printers;
    const QStringList names = QPrinterInfo::availablePrinterNames();
    printers.Count = static_cast<int>(names.size());
    if (printers.Count > 0)
        printers.Current = std::max(0, static_cast<int>(names.indexOf(QPrinterInfo::defaultPrinterName())));
    else
        ShowNoPrinterWarning(this);

    m_state.Settings = ReadSettings(m_state.Paths.SettingsFile, printers);
    m_settingsRead = true;
    const TSettings &s = m_state.Settings;
    move(s.Left, s.Top);
    resize(s.Width, s.Height);
    m_splitter->setSizes({s.SplitterAcc, std::max(MinPaneWidth, m_splitter->width() - s.SplitterAcc)});
    m_state.AppFormatSettings.CurrencyString = s.CurrencyString;
}

bool TFormVekRech::PrepareDataDirectory()
{
    const TSettings &s = m_state.Settings;
    QString folder = DataDirectoryFor(s.DataPathDefault, s.DataPathOther);

    if (!s.DataPathDefault && IsNetworkPath(folder)) {
        const TNetworkConnection connection = ConnectNetworkPath(folder);
        if (connection.Connected) {
            folder = connection.LocalPath;
        } else {
            const QString text = QStringLiteral("Verbindung zum Netzwerkordner konnte nicht hergestellt werden!\n\n")
                                 + u'"' + folder + u'"' + QStringLiteral("\n\n")
                                 + QStringLiteral("Bitte prüfen Sie, ob das Netzwerk betriebsbereit ist und stellen Sie ")
                                 + QStringLiteral("die Verbindung her.");
            if (MessageDlg(this, text, TMsgSymbol::Error, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
                return false;
        }
    }

    m_state.Paths.DataDirectory = folder;
    // A share that could not be connected is no local folder to create.
    if (!IsNetworkPath(folder) && QDir().mkpath(folder))
        return true;
    MessageDlg(this, QStringLiteral("Verzeichnis für Daten konnte nicht angelegt werden!"), TMsgSymbol::Error);
    return false;
}

void TFormVekRech::LoadOwnAccountsFile()
{
    try {
        LoadOwnAccounts(m_state.Paths.OwnBankFile, m_state.OwnAccounts);
    } catch (const EInOutError &e) {
        // The start goes on with the accounts that could be read.
        MessageDlg(this,
                   QStringLiteral("Die Datei der eigenen Bankverbindungen konnte nicht vollständig gelesen "
                                  "werden:\n\n\"%1\"\n\n%2\n\nEs werden nur die lesbaren Konten verwendet.")
                       .arg(QDir::toNativeSeparators(m_state.Paths.OwnBankFile), ErrorReportText(e.Message())),
                   TMsgSymbol::Warning);
    }
}

void TFormVekRech::ShowAsSaved()
{
    if (m_state.Settings.Maximized)
        showMaximized();
    else
        show();
}

void TFormVekRech::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TFormVekRech::FormActivate()
{
    if (!m_firstActivation)
        return;
    m_firstActivation = false;
    emit FirstActivation();
    // Out of the activation itself: the manager is a modal dialog.
    QTimer::singleShot(0, this, [this] { RunCommand(this, [this] { mDatei_AccManagerClick(); }); });
}

void TFormVekRech::closeEvent(QCloseEvent *event)
{
    // Everything is saved by the end steps; there is nothing to ask.
    event->accept();
    emit Closed();
}

void TFormVekRech::EndProgram()
{
    QTimer::singleShot(0, this, &QWidget::close);
}

void TFormVekRech::CollectSettingsFromWindow()
{
    TSettings &s = m_state.Settings;
    s.Maximized = isMaximized();
    if (!s.Maximized) {
        s.Left = std::max(0, pos().x());
        s.Top = std::max(0, pos().y());
        s.Width = width();
        s.Height = height();
    }
    const QList<int> sizes = m_splitter->sizes();
    if (!sizes.isEmpty() && sizes.first() > 0)
        s.SplitterAcc = sizes.first();
    s.CurrencyString = m_state.AppFormatSettings.CurrencyString;
}

void TFormVekRech::FormDestroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    // The end steps belong to a start that got as far as the settings.
    if (!m_settingsRead)
        return;

    RunCommand(this, [this] { m_state.SaveAccFileIfModified(); });
    CollectSettingsFromWindow();
    if (!WriteSettings(m_state.Paths.SettingsFile, m_state.Settings))
        ShowErrorReport(this, IoErrorText(EACCES));
}

// ---------------------------------------------------------------- invoices

void TFormVekRech::ShowTitle()
{
    m_title->SetCaption(m_state.AccFileName.trimmed().isEmpty() ? QStringLiteral("Rechnungsdatei")
                                                                : AccFileNameOf(m_state.AccFileName));
}

void TFormVekRech::ShowRegion()
{
    m_statusRegion->SetCaption(QStringLiteral("Region: ") + RegionName(m_state.Settings.Region));
}

void TFormVekRech::ClearSelection()
{
    const QSignalBlocker block(m_listAcc);
    m_selected = -1;
    m_listAcc->setCurrentRow(-1);
    m_listAcc->clearSelection();
    m_listTerms->clear();
    m_dataPanels->ShowRecord(nullptr);
}

void TFormVekRech::Reload()
{
    {
        const QSignalBlocker block(m_listAcc);
        m_listAcc->clear();
    }
    ClearSelection();
    for (const TAccRecord &record : m_state.AccTable) {
        if (record.IsUsed())
            m_listAcc->addItem(record.AccName.Text() + u'#' + record.AccLegend.Text());
    }
    ClearSelection();
    m_state.AccModified = false;
    ShowTitle();
    FillNextTerms();
    DrawMonthCalendar();
    ShowInvoiceCount();
}

int TFormVekRech::SelectedInvoice() const
{
    return m_selected;
}

void TFormVekRech::SaveAccFileIfModified()
{
    m_state.SaveAccFileIfModified();
}

void TFormVekRech::SelectInvoice(int index)
{
    if (index < 0 || index >= m_listAcc->count() || index >= MaxAccSlots)
        return;
    if (m_listAcc->currentRow() != index) {
        const QSignalBlocker block(m_listAcc);
        m_listAcc->setCurrentRow(index);
    }
    // The table is written before another invoice is shown; a failed write
    // is reported and the selection still moves (the table keeps the change).
    RunCommand(this, [this] { SaveAccFileIfModified(); });
    m_selected = index;
    FillTermList();
    m_dataPanels->ShowRecord(&m_state.AccTable[static_cast<std::size_t>(index)]);
}

void TFormVekRech::FillTermList()
{
    m_listTerms->setUpdatesEnabled(false);
    m_listTerms->clear();
    const int k = SelectedInvoice();
    if (k >= 0) {
        const TAccRecord &record = m_state.AccTable[static_cast<std::size_t>(k)];
        for (int t = 0; t < MaxTerms; ++t) {
            if (!record.IsTermUsed(t))
                continue;
            const auto i = static_cast<std::size_t>(t);
            auto *item = new QTreeWidgetItem({record.TermPayable[i].Text(), record.TermAmount[i].Text(),
                                              record.TermDescript[i].Text(), record.TermRemark[i].Text(), QString()});
            item->setTextAlignment(1, Qt::AlignRight);
            m_listTerms->addTopLevelItem(item);
        }
    }
    m_listTerms->setUpdatesEnabled(true);
}

TFormVekRech::TManagerResult TFormVekRech::RunAccManager()
{
    TFormAccManager manager({m_state.Paths.DataDirectory, m_state.AccFileName, m_state.Paths.HelpFile,
                             m_state.Clock.Today()},
                            this);
    TManagerResult result;
    result.Opened = manager.exec() == QDialog::Accepted;
    result.ChosenFile = manager.ChosenFile();
    result.AccFileName = manager.AccFileName();
    return result;
}

bool TFormVekRech::OpenChosenFile(const QString &path)
{
    // Read first: a file that cannot be read never becomes current, and the
    // table of the file that was current stays as it is.
    try {
        if (!QFileInfo::exists(path))
            CreateAccFile(path);
        m_state.OpenAccFile(path);
    } catch (...) {
        ReportCommandFailure(this, std::current_exception());
        return false;
    }
    Reload();
    return true;
}

void TFormVekRech::mDatei_AccManagerClick()
{
    SaveAccFileIfModified();
    for (;;) {
        const QString remembered = m_state.AccFileName;
        const TManagerResult result = RunAccManager();
        // The current file may have been renamed in the manager: follow it.
        const bool renamed = result.AccFileName != remembered;
        if (renamed) {
            m_state.AccFileName = result.AccFileName;
            ShowTitle();
        }
        const QString toOpen = result.Opened ? result.ChosenFile : (renamed ? m_state.AccFileName : QString());
        // A file that cannot be read sends the user back to the manager.
        if (toOpen.isEmpty() || OpenChosenFile(toOpen))
            break;
    }
    if (m_state.AccFileName.trimmed().isEmpty() || !QFileInfo::exists(m_state.AccFileName))
        EndProgram();
}
