#include "shell/Startup.h"

#include "shell/FormVekRech.h"
#include "shell/MessageDialogs.h"
#include "shell/SingleInstance.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt's own dialogs (file choosers, input boxes) speak German too.
void InstallGermanQtTexts(QApplication &app, QTranslator &translator)
{
    if (translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

} // namespace

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

void InitZandivoResources()
{
    Q_INIT_RESOURCE(zandivo);
}

int RunZandivo(QApplication &app)
{
    InitZandivoResources();
    QApplication::setApplicationName(QStringLiteral("Zandivo"));
    QApplication::setOrganizationName(QStringLiteral("Zandivo"));
    QApplication::setDesktopFileName(QStringLiteral("zandivo"));

    // The lock is held until this function returns.
    const TSingleInstance instance;
    if (!instance.IsFirst()) {
        MessageDlg(nullptr, QStringLiteral("Zandivo wurde bereits gestartet!"), TMsgSymbol::Information);
        return 0;
    }

    QTranslator qtTexts;
    InstallGermanQtTexts(app, qtTexts);
    InstallFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    TFormVekRech window;
    if (!window.FormCreate())
        return 1;

    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &TFormVekRech::Closed, &app, &QApplication::quit);
    window.ShowAsSaved();
    const int exitCode = QApplication::exec();
    window.FormDestroy();
    return exitCode;
}
