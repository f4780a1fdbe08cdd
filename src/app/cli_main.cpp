#include "clisession.h"
#include "store/userfolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The same name as the window's, so that both find the reader's own
    // data (downloaded recitations) in the same folder.
    QCoreApplication::setApplicationName(QStringLiteral("Tilvora"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tilvora's text host: reads events from standard input, one per line, "
                       "and writes the program's operations to standard output."));
    parser.addHelpOption();
    const QCommandLineOption appFolderOption(QStringLiteral("app-folder"),
        QStringLiteral("The application folder that holds DIC.DAT (default: the program's folder)."),
        QStringLiteral("DIR"));
    parser.addOption(appFolderOption);
    parser.process(app);

    QString appFolder = parser.value(appFolderOption);
    if (!parser.isSet(appFolderOption)) {
        // An installed program runs from the reader's own folder.
        QString problem;
        appFolder = tilvora::store::applicationFolderFor(QCoreApplication::applicationDirPath(), &problem);
        if (!problem.isEmpty())
            QTextStream(stderr) << problem << Qt::endl;
        if (appFolder.isEmpty())
            return 1;
    }

    QTextStream in(stdin);
    QTextStream out(stdout);
    in.setEncoding(QStringConverter::Utf8);
    out.setEncoding(QStringConverter::Utf8);
    tilvora::app::CliSession session(in, out);
    return session.run(appFolder);
}
