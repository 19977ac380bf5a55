#include "FuzzApp.h"

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Qt fatal: %s\n", qPrintable(message));
        std::abort();
    }
}

QTemporaryDir *scratch()
{
    // In memory when the machine has /dev/shm: the targets write a file per input.
    static QTemporaryDir *dir = new QTemporaryDir(
        qEnvironmentVariableIsSet("VALTRIX_FUZZ_TMP")
            ? qEnvironmentVariable("VALTRIX_FUZZ_TMP") + QStringLiteral("/valtrix-fuzz-XXXXXX")
            : QStringLiteral("/dev/shm/valtrix-fuzz-XXXXXX"));
    if (!dir->isValid()) {
        delete dir;
        dir = new QTemporaryDir;
    }
    return dir;
}

} // namespace

void FuzzApp::start(int *argc, char ***argv)
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("VALTRIX_SYSTEM_PORTS", "0");
    if (!qEnvironmentVariableIsSet("VALTRIX_FUZZ_VERBOSE"))
        qInstallMessageHandler(quietMessages);
    // Lives until exit: the fuzzer ends the process without returning.
    new QApplication(*argc, *argv);
    std::atexit([] { delete scratch(); });
}

const char *FuzzApp::scratchDir()
{
    static const QByteArray path = scratch()->path().toLocal8Bit();
    return path.constData();
}
