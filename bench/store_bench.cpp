// Opens the record set of every detail row of one program and walks it,
// against the sqlite3 shell running the same SELECT into a file, in the same
// run; then measures the memory of a record set over 50,000 detail rows.
//
// Usage: store_bench [--db DIC.DAT] [--runs N]
// Without --db it uses DIC.DAT beside the executable, or builds a database of
// the same shape (6236 verses) in a temporary folder.

#include "store/connection.h"
#include "store/recordset.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tilvora::store;

namespace {

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A database of the canonical detail table's shape with `programs` programs
// of 6236 verse texts each.
void buildDatabase(const QString& path, int programs)
{
    QFile::remove(path);
    QFile(path).open(QIODevice::WriteOnly);
    auto connection = Connection::open(path);
    connection->execute(
        QStringLiteral("CREATE TABLE AP_Detail_TAB (DetailID INTEGER PRIMARY KEY, MasterID INTEGER, AyahRef INTEGER, "
                       "Data TEXT, DataSearchable TEXT, DataPos TEXT, DataRef TEXT)"));
    Connection::Transaction transaction(*connection);
    connection->execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO AP_Detail_TAB (MasterID, AyahRef, Data, DataSearchable) SELECT (i - 1) / 6236 + 1, (i - 1) % 6236 "
        "+ 1, "
        "'In the name of God, the Most Gracious, the Most Merciful; verse ' || i || ' of a text of ordinary length.', "
        "'in the name of god the most gracious the most merciful verse ' || i FROM n")
                            .arg(programs * 6236));
    transaction.commit();
}

const QString kDetailsOfOneProgram = QStringLiteral(
    "SELECT AyahRef, Data, DataSearchable, DataPos, DataRef FROM AP_Detail_TAB WHERE MasterID = 1 ORDER BY AyahRef");

double recordSetMilliseconds(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    auto connection = Connection::open(path);
    RecordSet records = connection->openRecordSet(kDetailsOfOneProgram);
    qint64 characters = 0;
    for (records.moveFirst(); !records.eof(); records.moveNext())
        characters += records.text(1).size() + records.text(0).size();
    if (characters == 0)
        std::fprintf(stderr, "no rows read\n");
    return timer.nsecsElapsed() / 1e6;
}

double shellMilliseconds(const QString& path, const QString& output)
{
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(QStringLiteral("sqlite3"), {path, QStringLiteral(".output ") + output, kDetailsOfOneProgram});
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString db = QCoreApplication::applicationDirPath() + QStringLiteral("/DIC.DAT");
    int runs = 9;
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QStringLiteral("--db"))
            db = args[++i];
        else if (args[i] == QStringLiteral("--runs"))
            runs = args[++i].toInt();
    }
    QTemporaryDir dir;
    const QString copy = dir.path() + QStringLiteral("/DIC.DAT");
    if (QFile::exists(db))
        QFile::copy(db, copy);
    else
        buildDatabase(copy, 1);

    const QString output = dir.path() + QStringLiteral("/rows.txt");
    recordSetMilliseconds(copy);
    shellMilliseconds(copy, output);
    std::vector<double> ours, shell;
    for (int i = 0; i < runs; ++i) {
        ours.push_back(recordSetMilliseconds(copy));
        shell.push_back(shellMilliseconds(copy, output));
    }
    const double ratio = medianOf(ours) / medianOf(shell);
    std::printf("record set of one program's 6236 detail rows, opened and walked: %.2f ms (median of %d)\n",
        medianOf(ours), runs);
    std::printf("sqlite3 shell, same SELECT into a file:                          %.2f ms\n", medianOf(shell));
    std::printf("ratio: %.2f (target at most 1.5) %s\n", ratio, ratio <= 1.5 ? "within target" : "ABOVE TARGET");

    // Memory: a record set over 50,000 detail rows of a generated database.
    const QString big = dir.path() + QStringLiteral("/big.dat");
    buildDatabase(big, 9);
    auto connection = Connection::open(big);
    const long before = peakKilobytes();
    RecordSet records = connection->openRecordSet(
        QStringLiteral("SELECT * FROM AP_Detail_TAB WHERE DetailID <= 50000 ORDER BY DetailID"));
    const long after = peakKilobytes();
    const double megabytes = (after - before) / 1024.0;
    std::printf("record set over %d detail rows: peak memory grew %.1f MB, %.2f MB per 10,000 rows\n",
        records.recordCount(), megabytes, megabytes / (records.recordCount() / 10000.0));
    return 0;
}
