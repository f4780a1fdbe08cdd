#include "clitexts.h"

#include "store/dberror.h"
#include "texts/cataloguefetch.h"
#include "texts/textdownload.h"
#include "texts/textstore.h"

#include <QEventLoop>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::app {

namespace {

// A text's identifier as the service writes them ("ar.muyassar").
bool isIdentifier(const QString& text)
{
    static const QRegularExpression form(u"^[A-Za-z0-9][A-Za-z0-9._-]{0,63}$"_s);
    return form.match(text).hasMatch();
}

QString joined(const QList<int>& numbers)
{
    QStringList texts;
    for (const int number : numbers)
        texts << QString::number(number);
    return texts.join(u',');
}

} // namespace

CliTexts::CliTexts(host::TextHost& host, store::SharedState& state) : m_host(host), m_state(state) { }

int CliTexts::fieldCountOf(const QString& event)
{
    if (event == "catalogue"_L1 || event == "removetext"_L1)
        return 2;
    if (event == "fetchtext"_L1)
        return 3;
    return 0;
}

void CliTexts::handle(navigation::MainWindowLogic& logic, const QString& event, const QStringList& fields)
{
    try {
        if (event == "catalogue"_L1)
            listCatalogue(fields.value(1));
        else if (event == "fetchtext"_L1)
            fetch(logic, fields.value(1), fields.value(2).trimmed());
        else if (event == "removetext"_L1)
            remove(logic, fields.value(1).trimmed());
    } catch (const store::Error& failure) {
        m_host.reportError(failure.message());
    }
}

void CliTexts::listCatalogue(const QString& base)
{
    texts::CatalogueFetch fetch;
    QEventLoop loop;
    QList<texts::TextEdition> editions;
    QString problem;
    QObject::connect(&fetch, &texts::CatalogueFetch::finished, &loop,
        [&](const QList<texts::TextEdition>& found, const QString& why) {
            editions = found;
            problem = why;
            loop.quit();
        });
    fetch.fetch(base);
    loop.exec();
    if (!problem.isEmpty()) {
        m_host.reportError(u"The catalogue of texts could not be fetched: %1."_s.arg(problem));
        return;
    }
    const QHash<QString, int> installed = texts::TextStore(*m_state.gConnection).installedIds();
    for (const texts::TextEdition& edition : std::as_const(editions)) {
        m_host.writeLine({u"text"_s, edition.identifier, texts::serviceTypeOf(edition.kind), edition.language,
            edition.direction, installed.contains(edition.identifier) ? u"1"_s : u"0"_s,
            !edition.englishName.isEmpty() ? edition.englishName : edition.name});
    }
}

void CliTexts::fetch(navigation::MainWindowLogic& logic, const QString& base, const QString& identifier)
{
    if (!isIdentifier(identifier)) {
        m_host.reportError(u"\"%1\" is not a text's identifier (such as ar.muyassar)."_s.arg(identifier));
        return;
    }
    texts::TextEdition edition;
    edition.identifier = identifier;
    for (const texts::TextEdition& known : texts::builtInEditions()) {
        if (known.identifier == identifier)
            edition = known;
    }
    texts::TextStore store(*m_state.gConnection);
    texts::TextDownload download(store);
    QEventLoop loop;
    texts::TextDownloadSummary summary;
    QObject::connect(&download, &texts::TextDownload::chapterDone, &loop, [this](int done, int total, qint64 bytes) {
        m_host.writeLine({u"progress"_s, QString::number(done), QString::number(total), QString::number(bytes)});
    });
    QObject::connect(&download, &texts::TextDownload::finished, &loop, [&](const texts::TextDownloadSummary& result) {
        summary = result;
        loop.quit();
    });
    download.start(base, edition);
    if (download.isRunning())
        loop.exec();
    if (!summary.failures.isEmpty())
        m_host.reportError(u"These chapters were not downloaded: "_s + summary.failures.join(u"; "_s));
    if (!summary.stopReason.isEmpty())
        m_host.reportError(u"The download stopped: %1."_s.arg(summary.stopReason));
    if (!summary.installed) {
        m_host.writeLine({u"failed"_s, identifier, joined(summary.failedChapters)});
        return;
    }
    m_host.writeLine({u"installed"_s, identifier, QString::number(summary.installed->masterId),
        QString::number(summary.installed->verses)});
    logic.textsChanged();
}

void CliTexts::remove(navigation::MainWindowLogic& logic, const QString& identifier)
{
    if (!texts::TextStore(*m_state.gConnection).remove(identifier)) {
        m_host.reportError(u"No downloaded text is called \"%1\"."_s.arg(identifier));
        return;
    }
    m_host.writeLine({u"removed"_s, identifier});
    logic.textsChanged();
}

} // namespace tilvora::app
