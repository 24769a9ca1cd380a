#include "shell/FormVekRech.h"

#include "shell/CommandGuard.h"
#include "shell/MessageDialogs.h"
#include "shell/NetworkPath.h"
#include "storage/IoError.h"

#include <QCloseEvent>

#include <cerrno>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPrinterInfo>

TFormVekRech::TFormVekRech(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormVekRech"));
    setWindowTitle(QStringLiteral("Zandivo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/zandivo.svg")));
    setMinimumSize(MinWindowWidth, MinWindowHeight);
}

TFormVekRech::~TFormVekRech()
{
    FormDestroy();
}

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
            if (MessageDlg(this, text, TMsgSymbol::Error, QMessageBox::Ok | QMessageBox::Cancel)
                != QMessageBox::Ok)
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
}

void TFormVekRech::closeEvent(QCloseEvent *event)
{
    // Everything is saved by the end steps; there is nothing to ask.
    event->accept();
    emit Closed();
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
