// The shipped translations against the program's sources: lupdate lists the
// messages the sources hold today, and every language's file must hold the
// same messages, each one translated (all plural forms), none left over,
// with the same placeholders as its source. A string added to the program
// without its translations fails here, so that no reader meets English in
// the middle of their own language.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    // "unfinished", "obsolete", "vanished" or empty (finished).
    QString type;
    QStringList translations;

    // What tells one message from another.
    QString key() const { return context + u'\x1f' + source + u'\x1f' + comment; }
};

struct TsFile {
    QString language;
    QList<Message> messages;
};

TsFile readTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        // A plural message ends with its translation element.
        if (xml.isEndElement() && xml.name() == u"translation" && message.numerus)
            ts.messages.append(message);
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"TS") {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message{context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", {}, {}};
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"comment") {
            message.comment = xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus) {
                message.translations.append(xml.readElementText());
                ts.messages.append(message);
            }
        } else if (name == u"numerusform") {
            message.translations.append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return ts;
}

// The messages the sources hold now, as lupdate finds them.
const QMap<QString, Message>& sourceMessages()
{
    static const QMap<QString, Message> messages = [] {
        QMap<QString, Message> found;
        QTemporaryDir dir;
        const QString ts = dir.filePath(QStringLiteral("tilvora_xx.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(TILVORA_LUPDATE),
            {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"),
                QStringLiteral(TILVORA_SOURCE_DIR "/src"), QStringLiteral("@" TILVORA_SOURCES_LIST),
                QStringLiteral("-ts"), ts});
        if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
            ADD_FAILURE() << "lupdate failed: " << lupdate.readAllStandardError().toStdString();
            return found;
        }
        for (const Message& message : readTs(ts).messages)
            found.insert(message.key(), message);
        return found;
    }();
    return messages;
}

std::vector<std::string> shippedFiles()
{
    std::vector<std::string> files;
    for (const QString& file : QDir(QStringLiteral(TILVORA_TRANSLATIONS_DIR))
                                   .entryList({QStringLiteral("tilvora_*.ts")}, QDir::Files, QDir::Name))
        files.push_back(file.toStdString());
    return files;
}

// The placeholders of a text (%1, %n, %Ln), sorted; each counted once.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9n]"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.insert(match.captured().remove(u'L'));
    QStringList list(found.cbegin(), found.cend());
    list.sort();
    return list;
}

class ShippedTranslation : public testing::TestWithParam<std::string> { };

TEST_P(ShippedTranslation, HoldsEveryMessageOfTheSourcesTranslated)
{
    const QString file = QString::fromStdString(GetParam());
    const TsFile ts = readTs(QStringLiteral(TILVORA_TRANSLATIONS_DIR "/") + file);
    const QString code = file.mid(8).chopped(3);
    ASSERT_FALSE(sourceMessages().isEmpty());
    // The language the file says it is, as its name says it.
    EXPECT_EQ(ts.language.section(u'_', 0, 0), code.section(u'_', 0, 0)) << file.toStdString();
    // English, the source language, needs only its plural forms.
    const bool pluralsOnly = code == u"en";

    QSet<QString> held;
    for (const Message& message : ts.messages) {
        const std::string where
            = file.toStdString() + " [" + message.context.toStdString() + "] \"" + message.source.toStdString() + "\"";
        held.insert(message.key());
        EXPECT_TRUE(sourceMessages().contains(message.key())) << where << ": no longer in the sources";
        EXPECT_TRUE(message.type.isEmpty()) << where << ": " << message.type.toStdString();
        // A plural form may say its number in words ("one verse").
        QStringList wanted = placeholders(message.source);
        if (message.numerus)
            wanted.removeAll(QStringLiteral("%n"));
        for (const QString& translation : message.translations) {
            EXPECT_FALSE(translation.isEmpty()) << where << ": a form is empty";
            QStringList used = placeholders(translation);
            if (message.numerus)
                used.removeAll(QStringLiteral("%n"));
            EXPECT_EQ(used.join(u' ').toStdString(), wanted.join(u' ').toStdString())
                << where << ": \"" << translation.toStdString() << "\"";
        }
    }
    for (const Message& message : sourceMessages()) {
        if (!pluralsOnly || message.numerus) {
            EXPECT_TRUE(held.contains(message.key()))
                << file.toStdString() << " lacks [" << message.context.toStdString() << "] \""
                << message.source.toStdString() << "\": run the update_translations target and translate it";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTranslation, testing::ValuesIn(shippedFiles()),
    [](const testing::TestParamInfo<std::string>& info) { return info.param.substr(8, info.param.size() - 11); });

} // namespace
