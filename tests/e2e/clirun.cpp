#include "clirun.h"

#include <QProcess>
#include <QUrl>

#include <csignal>

#include <sys/resource.h>

namespace {

QString unescape(const QString& field)
{
    QString text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == u'\\' && i + 1 < field.size()) {
            const QChar next = field[++i];
            text += next == u't' ? QChar(u'\t') : next == u'r' ? QChar(u'\r') : next == u'n' ? QChar(u'\n') : next;
        } else {
            text += field[i];
        }
    }
    return text;
}

} // namespace

QList<QStringList> CliRun::linesOf(const QString& word) const
{
    QList<QStringList> found;
    for (const QString& line : lines) {
        QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.first() != word)
            continue;
        for (QString& field : fields)
            field = unescape(field);
        found.append(fields);
    }
    return found;
}

CliRun runCli(const QString& appFolder, const QStringList& inputLines, qint64 fileSizeLimit)
{
    return runCliProgram(
        QStringLiteral(TILVORA_CLI), {QStringLiteral("--app-folder"), appFolder}, inputLines, fileSizeLimit);
}

CliRun runCliProgram(
    const QString& program, const QStringList& arguments, const QStringList& inputLines, qint64 fileSizeLimit)
{
    QProcess process;
    if (fileSizeLimit > 0) {
        process.setChildProcessModifier([fileSizeLimit] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(program, arguments);
    CliRun run;
    if (!process.waitForStarted())
        return run;
    for (const QString& line : inputLines)
        process.write(line.toUtf8() + '\n');
    process.closeWriteChannel();
    process.waitForFinished(90000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    run.lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

QString encodedFileUrl(const QString& folder, const QString& name)
{
    return QString::fromLatin1(QUrl::fromLocalFile(folder + QLatin1Char('/') + name).toEncoded());
}
