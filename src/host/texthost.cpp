#include "texthost.h"

#include "linefields.h"

#include <QLocale>

namespace tilvora::host {

namespace {
QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

QString shortestNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

TextHost::TextHost(QTextStream& out) : m_out(out) { }

void TextHost::queueDialogAnswer(const MediaFolderDialogAnswer& answer)
{
    m_dialogAnswers.push_back(answer);
}

void TextHost::writeLine(const QStringList& fields)
{
    m_out << joinFields(fields) << '\n';
    m_out.flush();
}

void TextHost::navigate(Pane pane, const QString& target)
{
    writeLine({QStringLiteral("navigate"), paneName(pane), target});
}

void TextHost::setSearchLabel(const QString& caption)
{
    writeLine({QStringLiteral("label"), caption});
}

void TextHost::showMessage(MessageIcon icon, const QString& title, const QString& text)
{
    const QString iconName
        = icon == MessageIcon::Information ? QStringLiteral("information") : QStringLiteral("critical");
    writeLine({QStringLiteral("message"), iconName, title, text});
}

void TextHost::reportError(const QString& text)
{
    writeLine({QStringLiteral("error"), text});
}

void TextHost::playerSetUrl(const QString& path)
{
    writeLine({QStringLiteral("player"), QStringLiteral("url"), path});
}

void TextHost::playerSetPosition(double seconds)
{
    writeLine({QStringLiteral("player"), QStringLiteral("position"), shortestNumber(seconds)});
}

void TextHost::playerPlay()
{
    writeLine({QStringLiteral("player"), QStringLiteral("play")});
}

void TextHost::playerSetEnd(double seconds)
{
    writeLine({QStringLiteral("player"), QStringLiteral("until"), shortestNumber(seconds)});
}

void TextHost::playerSetRate(double rate)
{
    writeLine({QStringLiteral("player"), QStringLiteral("rate"), shortestNumber(rate)});
}

void TextHost::playerStop()
{
    writeLine({QStringLiteral("player"), QStringLiteral("stop")});
}

void TextHost::highlightVerse(qint32 /*ayahRef*/, const QString& reference)
{
    writeLine({QStringLiteral("highlight"), reference});
}

void TextHost::recitationWait(int milliseconds)
{
    writeLine({QStringLiteral("wait"), QString::number(milliseconds)});
}

void TextHost::recitationFinished(const QStringList& /*skipped*/)
{
    writeLine({QStringLiteral("recited")});
}

void TextHost::recitationSkipped(
    const QString& reference, const QString& /*voice*/, const QStringList& /*skippedSoFar*/)
{
    writeLine({QStringLiteral("skipped"), reference});
}

void TextHost::resetPickerSelector(const QString& elementId)
{
    writeLine({QStringLiteral("reset"), elementId});
}

void TextHost::setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag)
{
    writeLine({QStringLiteral("menu"), QString::number(index), flag(visible), caption, tag});
}

void TextHost::setDataPathMenuVisible(bool visible)
{
    writeLine({QStringLiteral("menu"), QStringLiteral("setdatapath"), flag(visible)});
}

MediaFolderDialogAnswer TextHost::showMediaFolderDialog(const MediaFolderDialogRequest& request)
{
    writeLine({QStringLiteral("dialog"), request.tag, request.initialPath});
    if (!request.mappingMessageText.isEmpty())
        showMessage(MessageIcon::Critical, QStringLiteral("Mapping Path exception..."), request.mappingMessageText);
    if (m_dialogAnswers.empty())
        return MediaFolderDialogAnswer{MediaFolderDialogAnswer::Outcome::Closed, QString()};
    MediaFolderDialogAnswer answer = m_dialogAnswers.front();
    m_dialogAnswers.pop_front();
    if (answer.outcome == MediaFolderDialogAnswer::Outcome::Accepted && answer.folder.isEmpty())
        answer.folder = request.openFolder;
    return answer;
}

} // namespace tilvora::host
