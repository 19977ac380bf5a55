#include "StartUp.h"

#include "Core.h"

#include <QApplication>
#include <QEventLoop>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSplashScreen>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

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

} // namespace

const char *const StartUp::MainScene = "qrc:/qml/main.qml";

StartUp::StartUp(QApplication &app)
    : m_app(app)
{
}

StartUp::~StartUp()
{
    // The scene refers to Core: it goes first.
    m_engine.reset();
    m_core.reset();
}

QString StartUp::versionLabel() const
{
    return m_label ? m_label->text() : QString();
}

void StartUp::showMessage(const QString &message)
{
    m_splash->showMessage(message, Qt::AlignLeft, Qt::black);
    emit splashMessage(message);
    QCoreApplication::processEvents();
}

int StartUp::finish(int exitCode)
{
    m_engine.reset();
    if (!m_core || !m_core->backgroundWorkRunning())
        return exitCode;
    // The notice and the message are the only windows now: closing one of
    // them must not end the wait.
    m_app.setQuitOnLastWindowClosed(false);
    const bool report = m_core->reportRunning();
    QLabel notice(report ? tr("Finishing the report before closing...")
                         : tr("Finishing the data file before closing..."));
    notice.setObjectName(QStringLiteral("finishingNotice"));
    notice.setWindowTitle(QStringLiteral("Valtrix Suite"));
    notice.setMargin(notice.fontMetrics().height() * 2);
    notice.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    notice.show();
    const QString failure = awaitBackgroundWork();
    notice.close();
    if (failure.isEmpty())
        return exitCode;
    QMessageBox message(QMessageBox::Warning, tr("Warning"),
                        report ? tr("The report couldn't be generated")
                               : tr("The file couldn't be saved"),
                        QMessageBox::Ok);
    message.setObjectName(QStringLiteral("finishingFailure"));
    message.setInformativeText(failure);
    message.exec();
    return exitCode != 0 ? exitCode : 1;
}

QString StartUp::awaitBackgroundWork()
{
    QString failure;
    // A write that failed says why before the work's end is told.
    QObject listener;
    connect(m_core.get(), &Core::writeError, &listener,
            [&failure](const QString &message) { failure = message; });
    while (m_core->backgroundWorkRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return failure;
}

bool StartUp::start()
{
    m_translator.reset(new QTranslator);
    m_splash.reset(new QSplashScreen(QPixmap(QStringLiteral(":/splash.png"))));
    auto *layout = new QVBoxLayout(m_splash.get());

    QCoreApplication::setOrganizationName(QStringLiteral("Valtrix"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("valtrix.example"));
    QCoreApplication::setApplicationName(QStringLiteral("SuiteValtrix"));

    const QFont splashFont = registerFonts();
    m_core.reset(new Core(nullptr));

    m_label = new QLabel(QStringLiteral("V1.0.") + m_core->revision(), m_splash.get());
    m_label->setFont(splashFont);
    m_label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    layout->addWidget(m_label);
    m_splash->setFont(splashFont);
    m_splash->show();
    QCoreApplication::processEvents();

    showMessage(tr("Loading locales..."));
    // A missing translation leaves the interface in its source language.
    m_translator->load(QLocale::system().name());
    m_app.installTranslator(m_translator.get());

    showMessage(tr("Loading core..."));
    showMessage(tr("Starting models..."));

    m_engine.reset(new QQmlApplicationEngine);
    m_engine->rootContext()->setContextProperty(QStringLiteral("core"), m_core.get());
    m_engine->load(QUrl(QString::fromLatin1(MainScene)));
    m_splash->close();
    return !m_engine->rootObjects().isEmpty();
}
