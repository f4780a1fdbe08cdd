// The text download dialog against a local server: the catalogue filtered by
// kind, a download whose failed chapter is named, the resume that installs
// the text, its removal, and the short list shown when the service cannot
// be reached.

#include "ui/dialogs/textdownloaddialog.h"

#include "support/fixturedb.h"
#include "support/localhttpserver.h"

#include <QComboBox>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::testing::FixtureDb;
using tilvora::testing::LocalHttpServer;
using tilvora::ui::TextDownloadDialog;

namespace {

const QByteArray kCatalogueTranslations
    = R"({"code":200,"status":"OK","data":[{"identifier":"en.x","language":"en","name":"X","englishName":"X",)"
      R"("format":"text","type":"translation","direction":"ltr"}]})";
const QByteArray kCatalogueCommentaries
    = R"({"code":200,"status":"OK","data":[{"identifier":"ar.y","language":"ar","name":"ي","englishName":"Y",)"
      R"("format":"text","type":"tafsir","direction":"rtl"}]})";

// A book of two chapters of one verse each.
class TextDownloadDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db.verse(1, 1, 1);
        m_db.verse(2, 2, 1);
        m_connection = m_db.connect();
    }

    FixtureDb m_db;
    std::unique_ptr<tilvora::store::Connection> m_connection;
};

} // namespace

TEST_F(TextDownloadDialogTest, ACommentaryDownloadsNamesAFailedChapterResumesAndIsRemoved)
{
    LocalHttpServer server;
    server.route(u"/v1/edition?format=text&type=translation"_s, {kCatalogueTranslations, "application/json"});
    server.route(u"/v1/edition?format=text&type=tafsir"_s, {kCatalogueCommentaries, "application/json"});
    server.route(
        u"/v1/surah/1/ar.y"_s, {tilvora::testing::textChapterAnswer(u"ar.y"_s, 1, {u"one"_s}), "application/json"});
    ASSERT_TRUE(server.start());
    int changes = 0;
    TextDownloadDialog dialog(*m_connection, server.address(), [&] { ++changes; });
    dialog.show();
    QTreeWidget* list = dialog.list();
    QTRY_COMPARE(list->topLevelItemCount(), 2);
    dialog.kindBox()->setCurrentIndex(dialog.kindBox()->findText(u"Commentaries"_s));
    ASSERT_EQ(list->topLevelItemCount(), 1);
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(list->topLevelItem(0)->text(1), u"Y \u2014 ي"_s);

    // Chapter 2 is missing: it is named, nothing is installed.
    dialog.downloadButton()->click();
    EXPECT_FALSE(dialog.downloadButton()->isEnabled());
    QTRY_VERIFY(!dialog.textDownload().isRunning());
    EXPECT_TRUE(dialog.statusLabel()->text().contains(u"chapters 2 failed"_s))
        << dialog.statusLabel()->text().toStdString();
    EXPECT_EQ(changes, 0);

    server.route(
        u"/v1/surah/2/ar.y"_s, {tilvora::testing::textChapterAnswer(u"ar.y"_s, 2, {u"two"_s}), "application/json"});
    const qsizetype asked = server.requests().size();
    dialog.downloadButton()->click();
    QTRY_VERIFY(!dialog.textDownload().isRunning());
    EXPECT_EQ(server.requests().mid(asked), (QStringList{u"/v1/surah/2/ar.y "_s}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list->topLevelItem(0)->text(3), u"Installed"_s);
    EXPECT_TRUE(dialog.removeButton()->isEnabled());
    EXPECT_FALSE(dialog.downloadButton()->isEnabled());

    dialog.removeButton()->click();
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(list->topLevelItem(0)->text(3).isEmpty());
}

TEST_F(TextDownloadDialogTest, AServiceThatCannotBeReachedShowsTheKnownTextsMarkedAsSuch)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString base = u"http://127.0.0.1:%1"_s.arg(closed.serverPort());
    closed.close();
    TextDownloadDialog dialog(*m_connection, base, {});
    QTRY_VERIFY(dialog.catalogueLabel()->text().contains(u"could not be fetched"_s));
    EXPECT_EQ(dialog.list()->topLevelItemCount(), tilvora::texts::builtInEditions().size());
    EXPECT_EQ(dialog.list()->topLevelItem(0)->text(3), u"Known by name"_s);
    EXPECT_EQ(dialog.baseEdit()->text(), base);
}
