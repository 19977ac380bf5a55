#include "Core.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSplashScreen>
#include <QTranslator>
#include <QVBoxLayout>
#include <cstdio>

namespace {

const char *const MainScene = "qrc:/qml/main.qml";

// The faces of the title text and of the reports; the first one is the face
// of the splash screen.
const char *const ApplicationFonts[] = {
    ":/HANDGOTB.TTF",
    ":/FreeMono, Regular.ttf",
    ":/FreeMono, Italic.ttf",
    ":/FreeMono, Bold Italic.ttf",
    ":/FreeMono, Bold.ttf",
    ":/FreeSans, Regular.ttf",
    ":/FreeSans, Italic.ttf",
    ":/FreeSans, Demi Bold Italic.ttf",
    ":/FreeSans, Demi Bold.ttf",
    ":/FreeSerif, Regular.ttf",
    ":/FreeSerif, Italic.ttf",
    ":/FreeSerif, Bold Italic.ttf",
    ":/FreeSerif, Bold.ttf",
};

// Without a display the platform plugin aborts with a message that does not
// say what to do; say it before it gets there.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

// The splash font: the title face when it registered, else the default font.
QFont registerFonts()
{
    QFont splashFont;
    bool first = true;
    for (const char *path : ApplicationFonts) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
        if (first && id >= 0) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                splashFont = QFont(families.first());
        }
        first = false;
    }
    return splashFont;
}

void showMessage(QSplashScreen &splash, const QString &message)
{
    splash.showMessage(message, Qt::AlignLeft, Qt::black);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "valtrixsuite: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it on a desktop, or without one under a virtual display:\n"
                     "    xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "valtrixsuite");
        return 2;
    }

    QApplication app(argc, argv);
    QTranslator translator;

    QPixmap splashPicture(":/splash.png");
    QSplashScreen splash(splashPicture);
    auto *layout = new QVBoxLayout(&splash);

    QCoreApplication::setOrganizationName("Valtrix");
    QCoreApplication::setOrganizationDomain("valtrix.example");
    QCoreApplication::setApplicationName("SuiteValtrix");

    const QFont splashFont = registerFonts();

    // Core lives until the process ends.
    auto *core = new Core(nullptr);

    auto *label = new QLabel("V1.0." + core->revision(), &splash);
    label->setFont(splashFont);
    label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    layout->addWidget(label);
    splash.setFont(splashFont);
    splash.show();
    QCoreApplication::processEvents();

    showMessage(splash, QObject::tr("Loading locales..."));
    translator.load(QLocale::system().name());
    app.installTranslator(&translator);

    showMessage(splash, QObject::tr("Loading core..."));
    showMessage(splash, QObject::tr("Starting models..."));

    QQmlApplicationEngine engine;
    engine.rootContext()->setContextProperty("core", core);
    engine.load(QUrl(QString::fromLatin1(MainScene)));
    splash.close();

    if (engine.rootObjects().isEmpty()) {
        std::fprintf(stderr,
                     "valtrixsuite: the user interface (%s) could not be loaded; "
                     "the messages above say why.\n",
                     MainScene);
        return 1;
    }
    return app.exec();
}
