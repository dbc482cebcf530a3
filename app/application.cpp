#include "app/application.h"

#include "app/cli.h"
#include "app/form2.h"
#include "app/qtplatformservices.h"
#include "files/fonts.h"
#include "files/settingsfolder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

namespace bks {

bool installJapaneseTranslation(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void configureApplication(QCoreApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("bokushomaru"));
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.kurofude.bokushomaru"));
    installJapaneseTranslation(app);
    InstallFontSubstitutions();
}

void loadWindowSettings(Form2 &window, PlatformServices &services, bool desktopStart)
{
    const SettingsFolder folder = settingsFolderForStart(desktopStart);
    window.setSettingsFolder(folder.path);
    if (!folder.problem.isEmpty())
        services.messageBox(folder.problem, QStringLiteral("墨翔丸"), MsgButtons::Ok, MsgIcon::Exclamation);
    window.Form_Load();
}

int runWindow(int argc, char **argv, bool desktopStart)
{
    QApplication app(argc, argv);
    configureApplication(app);
    QtPlatformServices services;
    const SheetSources sources = installedSources();
    Form2 window(services, sources);
    services.setParent(&window);
    loadWindowSettings(window, services, desktopStart);
    window.show();
    return app.exec();
}

int runCommand(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // Drawing needs a GUI application; without a display it draws offscreen.
    std::unique_ptr<QCoreApplication> app;
    if (commandNeedsGui(args)) {
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = RunCommandLine(args, out, err, installedSources());
    out.flush();
    err.flush();
    return code;
}

}  // namespace bks
