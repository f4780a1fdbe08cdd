// The built DIC.DAT: its schema, completeness, known texts, parts, the word
// and subject indexes, the programs' defaults and the demo voice.

#include "contentfixture.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <utility>

namespace tilvora::content_test {
namespace {

using Schema = ContentDatabase;
using Completeness = ContentDatabase;
using KnownText = ContentDatabase;
using Parts = ContentDatabase;
using WordIndex = ContentDatabase;
using Subjects = ContentDatabase;
using Programs = ContentDatabase;

QString joined(const QStringList& list)
{
    return list.join(u',');
}

TEST_F(Schema, CanonicalTablesAndColumns)
{
    const QList<std::pair<QString, QString>> tables = {
        {u"AP_TypesMaster_TAB"_s, u"MasterTypeID INTEGER,MasterType TEXT,SysTerm TEXT"_s},
        {u"AP_Master_TAB"_s,
            u"MasterID INTEGER,MasterTypeID INTEGER,Master TEXT,Description TEXT,Data TEXT,UserSelection BOOLEAN,"
            "DefaultSelection BOOLEAN,SortOrderUser INTEGER,SortOrderDef INTEGER,TextDirection TEXT,FontName TEXT,"
            "FontSize TEXT,FontBold TEXT"_s},
        {u"AP_Detail_TAB"_s,
            u"DetailID INTEGER,MasterID INTEGER,AyahRef INTEGER,Data TEXT,DataSearchable TEXT,DataPos TEXT,DataRef TEXT"_s},
        {u"MD_Ayah_TAB"_s, u"AyahRef INTEGER,SurahNo INTEGER,AyahNo INTEGER,ParahNo INTEGER"_s},
        {u"RF_Word_TAB"_s, u"Word TEXT,RootWord TEXT,AyahRef INTEGER"_s},
        {u"RF_Subject_TAB"_s, u"SubjectID INTEGER,AyahRef INTEGER"_s},
    };
    for (const auto& [table, expected] : tables) {
        QStringList columns;
        for (const auto& row : rows(u"SELECT name, type FROM pragma_table_info('%1') ORDER BY cid"_s.arg(table)))
            columns << row.value(0) + u' ' + row.value(1);
        EXPECT_EQ(joined(columns), expected) << table.toStdString();
    }
    // No index on the program tables, so rows that tie in an ORDER BY come in key order.
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' "
                    "AND tbl_name IN ('AP_Master_TAB', 'AP_TypesMaster_TAB')"_s),
        u"0"_s);
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM AP_Master_TAB WHERE typeof(UserSelection) <> 'integer' "
                    "OR UserSelection NOT IN (0, 1) OR DefaultSelection NOT IN (0, 1)"_s),
        u"0"_s);
}

TEST_F(Completeness, ChaptersAndVersesAreComplete)
{
    EXPECT_EQ(value(u"SELECT COUNT(DISTINCT SurahNo) FROM MD_Ayah_TAB"_s), u"114"_s);
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM MD_Ayah_TAB"_s), u"6236"_s);
    // AyahRef runs 1..6236 in chapter and verse order, without gaps.
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM MD_Ayah_TAB a JOIN MD_Ayah_TAB b ON b.AyahRef = a.AyahRef + 1 "
                    "WHERE NOT ((b.SurahNo = a.SurahNo AND b.AyahNo = a.AyahNo + 1) "
                    "OR (b.SurahNo = a.SurahNo + 1 AND b.AyahNo = 1))"_s),
        u"0"_s);
    EXPECT_EQ(value(u"SELECT MIN(AyahRef) || '-' || MAX(AyahRef) FROM MD_Ayah_TAB"_s), u"1-6236"_s);
    EXPECT_EQ(value(u"SELECT MAX(AyahNo) FROM MD_Ayah_TAB WHERE SurahNo = 2"_s), u"286"_s);
    EXPECT_EQ(value(u"SELECT MAX(AyahNo) FROM MD_Ayah_TAB WHERE SurahNo = 114"_s), u"6"_s);
}

TEST_F(Completeness, EveryTextProgramHasOneNonEmptyRowPerVerse)
{
    const auto perProgram
        = rows(u"SELECT m.MasterID, COUNT(d.DetailID), COUNT(DISTINCT d.AyahRef), "
               "SUM(d.Data IS NULL OR d.Data = ''), SUM(d.DataSearchable IS NULL OR d.DataSearchable = '') "
               "FROM AP_Master_TAB m JOIN AP_TypesMaster_TAB t ON t.MasterTypeID = m.MasterTypeID "
               "LEFT JOIN AP_Detail_TAB d ON d.MasterID = m.MasterID "
               "WHERE t.SysTerm IN ('MATAN', 'TRANSLATION', 'TAFSEER') GROUP BY m.MasterID"_s);
    ASSERT_GE(perProgram.size(), 7);
    for (const auto& row : perProgram) {
        EXPECT_EQ(row.mid(1), (QStringList{u"6236"_s, u"6236"_s, u"0"_s, u"0"_s}))
            << "program " << row.value(0).toStdString();
    }
}

// One verse of every program, verbatim.
TEST_F(KnownText, EachProgramHoldsItsTextOfChapter112Verse1)
{
    const QList<std::pair<QString, QString>> expected = {
        // Escaped: the marks must stay in the source order (shadda before fatha), which editors may normalise.
        {u"MATAN"_s,
            u"\u0642\u064F\u0644\u06E1 \u0647\u064F\u0648\u064E \u0671\u0644\u0644\u0651\u064E\u0647\u064F \u0623\u064E\u062D\u064E\u062F\u064C"_s},
        {u"MATAN"_s,
            u"\u0642\u064F\u0644 \u0647\u064F\u0648\u064E \u0627\u0644\u0644\u0651\u064E\u0647\u064F \u0623\u064E\u062D\u064E\u062F\u064C"_s},
        {u"TRANSLATION"_s, u"Say, \"He is Allah, [who is] One"_s},
        {u"TRANSLATION"_s, u"Qul huwa Allahu ahadun"_s},
        {u"TRANSLATION"_s, u"کہو، وہ اللہ ہے، یکتا"_s},
        {u"TRANSLATION"_s, u"Dis: «Il est Allah, Unique"_s},
        {u"TRANSLATION"_s, u"Katakanlah (Muhammad), \"Dialah Allah, Yang Maha Esa"_s},
        {u"TRANSLATION"_s, u"Di: \"Él es Al-lah, Uno"_s},
        {u"TRANSLATION"_s, u"Скажи: «Он - Аллах Единый"_s},
        {u"TRANSLATION"_s, u"De ki: O Allah bir tektir"_s},
        {u"TRANSLATION"_s, u"SÄG: \"Han är Gud - En"_s},
        {u"TRANSLATION"_s, u"বলুন, তিনি আল্লাহ, এক"_s},
        {u"TRANSLATION"_s, u"你说：“他是安拉，是独一的主；"_s},
    };
    const auto actual = rows(u"SELECT t.SysTerm, d.Data FROM AP_Detail_TAB d "
                             "JOIN AP_Master_TAB m ON m.MasterID = d.MasterID "
                             "JOIN AP_TypesMaster_TAB t ON t.MasterTypeID = m.MasterTypeID "
                             "WHERE d.AyahRef = %1 AND t.SysTerm <> 'VOICE' ORDER BY m.MasterID"_s.arg(ref(112, 1)));
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].value(0), expected[i].first);
        EXPECT_EQ(actual[i].value(1), expected[i].second);
    }
}

TEST_F(KnownText, SearchableFormsAreDerivedWhileTheMatanStaysVerbatim)
{
    // 2:2 carries two pause signs: the Uthmani text keeps them, its searchable
    // form drops them (and writes its final ى as ي, folded for searching).
    EXPECT_TRUE(value(u"SELECT Data FROM AP_Detail_TAB WHERE MasterID = 1 AND AyahRef = %1"_s.arg(ref(2, 2)))
                    .contains(QChar(0x06DB)));
    EXPECT_EQ(column(u"SELECT DISTINCT d.DataSearchable FROM AP_Detail_TAB d JOIN AP_Master_TAB m "
                     "ON m.MasterID = d.MasterID WHERE m.MasterTypeID = 1 AND d.AyahRef = %1"_s.arg(ref(2, 2))),
        QStringList{u"ذلك الكتاب لا ريب فيه هدي للمتقين"_s});
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON m.MasterID = d.MasterID "
                    "WHERE m.MasterTypeID = 1 AND (d.DataSearchable GLOB '*[^ ء-ي]*' "
                    "OR d.DataSearchable LIKE '%  %' OR d.DataSearchable <> trim(d.DataSearchable))"_s),
        u"0"_s)
        << "Arabic searchable forms hold letters and single blanks only";
    // Translations search lower-cased, beyond ASCII too.
    EXPECT_EQ(value(u"SELECT d.DataSearchable FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON m.MasterID = d.MasterID "
                    "WHERE m.Master LIKE 'Swedish%' AND d.AyahRef = %1"_s.arg(ref(112, 1))),
        u"säg: \"han är gud - en"_s);
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON m.MasterID = d.MasterID "
                    "WHERE m.MasterTypeID = 2 AND d.DataSearchable GLOB '*[A-Z]*'"_s),
        u"0"_s);
}

TEST_F(Parts, FirstAndLastVersesOfParts)
{
    const auto bounds = [](int part) {
        return value(u"SELECT (SELECT SurahNo || ':' || AyahNo FROM MD_Ayah_TAB WHERE ParahNo = %1 ORDER BY AyahRef "
                     "LIMIT 1) || '-' || (SELECT SurahNo || ':' || AyahNo FROM MD_Ayah_TAB WHERE ParahNo = %1 "
                     "ORDER BY AyahRef DESC LIMIT 1)"_s.arg(part));
    };
    EXPECT_EQ(bounds(1), u"1:1-2:141"_s);
    EXPECT_EQ(bounds(2), u"2:142-2:252"_s);
    EXPECT_EQ(bounds(15), u"17:1-18:74"_s);
    EXPECT_EQ(bounds(30), u"78:1-114:6"_s);
    EXPECT_EQ(value(u"SELECT COUNT(DISTINCT ParahNo) FROM MD_Ayah_TAB"_s), u"30"_s);
    // A part is one run of verses: parts never decrease along AyahRef.
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM MD_Ayah_TAB a JOIN MD_Ayah_TAB b ON b.AyahRef = a.AyahRef + 1 "
                    "WHERE b.ParahNo NOT IN (a.ParahNo, a.ParahNo + 1)"_s),
        u"0"_s);
}

TEST_F(WordIndex, OneRowPerWordAndVerse)
{
    EXPECT_EQ(
        column(u"SELECT AyahRef FROM RF_Word_TAB WHERE Word = 'الصمد'"_s), QStringList{QString::number(ref(112, 2))});
    // "عليهم" occurs twice in 1:7: one row.
    EXPECT_EQ(column(u"SELECT AyahRef FROM RF_Word_TAB WHERE Word = 'عليهم' AND AyahRef <= 7"_s),
        QStringList{QString::number(ref(1, 7))});
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM (SELECT 1 FROM RF_Word_TAB GROUP BY Word, AyahRef HAVING COUNT(*) > 1)"_s),
        u"0"_s);
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM RF_Word_TAB WHERE Word = '' OR Word GLOB '*[^ء-ي]*'"_s), u"0"_s)
        << "words are written in letters only";
}

TEST_F(WordIndex, RootsGroupWordsOfOneRoot)
{
    const auto rahma = column(u"SELECT DISTINCT AyahRef FROM RF_Word_TAB WHERE RootWord = 'رحم' ORDER BY AyahRef"_s);
    EXPECT_TRUE(rahma.contains(QString::number(ref(1, 1))));
    EXPECT_TRUE(rahma.contains(QString::number(ref(1, 3))));
    // The root gathers different words: الرحمن, الرحيم, رحمة ...
    EXPECT_GE(value(u"SELECT COUNT(DISTINCT Word) FROM RF_Word_TAB WHERE RootWord = 'رحم'"_s).toInt(), 10);
    EXPECT_TRUE(
        column(u"SELECT AyahRef FROM RF_Word_TAB WHERE RootWord = 'كتب'"_s).contains(QString::number(ref(2, 2))));
    // Words without a root candidate have a Null root, never an empty text.
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM RF_Word_TAB WHERE RootWord = ''"_s), u"0"_s);
}

TEST_F(Subjects, ProstrationVersesAreTheFifteen)
{
    const QList<std::pair<int, int>> verses = {{7, 206}, {13, 15}, {16, 50}, {17, 109}, {19, 58}, {22, 18}, {22, 77},
        {25, 60}, {27, 26}, {32, 15}, {38, 24}, {41, 38}, {53, 62}, {84, 21}, {96, 19}};
    QStringList expected;
    for (const auto& [s, a] : verses)
        expected << QString::number(ref(s, a));
    const QString id = value(u"SELECT SubjectID FROM GN_Subject_TAB WHERE Subject = 'Prostration verses'"_s);
    ASSERT_FALSE(id.isEmpty());
    EXPECT_EQ(column(u"SELECT AyahRef FROM RF_Subject_TAB WHERE SubjectID = %1 ORDER BY AyahRef"_s.arg(id)), expected);
}

TEST_F(Subjects, SeparatedLettersOpenTwentyNineChapters)
{
    const QString id = value(u"SELECT SubjectID FROM GN_Subject_TAB WHERE Subject = 'Separated letters'"_s);
    const auto verses = column(u"SELECT a.SurahNo || ':' || a.AyahNo FROM RF_Subject_TAB s "
                               "JOIN MD_Ayah_TAB a ON a.AyahRef = s.AyahRef WHERE s.SubjectID = %1 "
                               "ORDER BY s.AyahRef"_s.arg(id));
    EXPECT_EQ(verses.size(), 30);
    EXPECT_EQ(verses.value(0), u"2:1"_s);
    EXPECT_TRUE(verses.contains(u"42:2"_s)); // its letters fill two verses
    EXPECT_TRUE(verses.contains(u"68:1"_s));
    EXPECT_FALSE(verses.contains(u"1:1"_s));
    // Meccan and Medinan opening verses together name every chapter once.
    EXPECT_EQ(value(u"SELECT COUNT(DISTINCT s.AyahRef) FROM RF_Subject_TAB s JOIN GN_Subject_TAB g "
                    "ON g.SubjectID = s.SubjectID WHERE g.Subject LIKE 'Meccan%' OR g.Subject LIKE 'Medinan%'"_s),
        u"114"_s);
}

TEST_F(Subjects, NamesThatAreAlsoOrdinaryWordsAreMatchedOnlyAsNames)
{
    const auto versesOf = [](const QString& subject) {
        return column(u"SELECT a.SurahNo || ':' || a.AyahNo FROM RF_Subject_TAB s JOIN MD_Ayah_TAB a "
                      "ON a.AyahRef = s.AyahRef JOIN GN_Subject_TAB g ON g.SubjectID = s.SubjectID "
                      "WHERE g.Subject = '%1' ORDER BY s.AyahRef"_s.arg(subject));
    };
    const auto hud = versesOf(u"Prophet Hud"_s);
    EXPECT_TRUE(hud.contains(u"11:50"_s));
    EXPECT_FALSE(hud.contains(u"2:111"_s)); // "hudan": Jews
    const auto salih = versesOf(u"Prophet Salih"_s);
    EXPECT_TRUE(salih.contains(u"7:75"_s));
    EXPECT_FALSE(salih.contains(u"9:120"_s)); // "a righteous deed"
    const auto yahya = versesOf(u"Prophet Yahya (John)"_s);
    EXPECT_EQ(yahya, (QStringList{u"3:39"_s, u"6:85"_s, u"19:7"_s, u"19:12"_s, u"21:90"_s}));
    EXPECT_EQ(versesOf(u"Prophet Muhammad"_s), (QStringList{u"3:144"_s, u"33:40"_s, u"47:2"_s, u"48:29"_s, u"61:6"_s}));
}

TEST_F(Programs, DefaultsShowAMatanAndThreeTranslations)
{
    // Selected text programs: one at each position 0..3, the one at 0 a matan.
    EXPECT_EQ(joined(column(u"SELECT SortOrderDef || ':' || MasterTypeID FROM AP_Master_TAB "
                            "WHERE DefaultSelection = 1 AND MasterTypeID IN (1, 2, 3) ORDER BY SortOrderDef"_s)),
        u"0:1,1:2,2:2,3:2"_s);
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM AP_Master_TAB WHERE DefaultSelection = 0 AND SortOrderDef <> 0 "
                    "AND MasterTypeID IN (1, 2, 3)"_s),
        u"0"_s);
    EXPECT_GE(value(u"SELECT COUNT(*) FROM AP_Master_TAB WHERE MasterTypeID = 1"_s).toInt(), 2);
    EXPECT_GE(value(u"SELECT COUNT(*) FROM AP_Master_TAB WHERE MasterTypeID = 2"_s).toInt(), 5);
}

TEST_F(Programs, ReciterFoldersNameOneFilePerVerseAndStartEmpty)
{
    const auto voices = rows(u"SELECT MasterID, quote(Data), SortOrderDef, DefaultSelection FROM AP_Master_TAB "
                             "WHERE MasterTypeID = 4 ORDER BY SortOrderDef"_s);
    ASSERT_GE(voices.size(), 3);
    EXPECT_EQ(voices[0].value(3), u"1"_s) << "the demo voice is the selected voice, menu item 0";
    for (qsizetype i = 1; i < voices.size(); ++i) {
        const auto& v = voices[i];
        SCOPED_TRACE(v.value(0).toStdString());
        EXPECT_EQ(v.value(1), u"''"_s) << "no folder yet: the empty text, not Null";
        EXPECT_EQ(v.value(2), QString::number(i));
        EXPECT_EQ(v.value(3), u"0"_s);
        EXPECT_EQ(value(u"SELECT COUNT(*) FROM AP_Detail_TAB d JOIN MD_Ayah_TAB a ON a.AyahRef = d.AyahRef "
                        "WHERE d.MasterID = %1 AND d.DataPos = '0' AND d.Data = "
                        "substr('00' || a.SurahNo, -3) || substr('00' || a.AyahNo, -3) || '.mp3'"_s.arg(v.value(0))),
            u"6236"_s);
    }
    EXPECT_EQ(value(u"SELECT d.Data FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON m.MasterID = d.MasterID "
                    "WHERE m.MasterID = %1 AND d.AyahRef = %2"_s.arg(voices[1].value(0))
                        .arg(ref(2, 255))),
        u"002255.mp3"_s);
}

class DemoVoiceRows : public ContentDatabase {
protected:
    static QString demoId()
    {
        return value(u"SELECT MasterID FROM AP_Master_TAB WHERE MasterTypeID = 4 AND DefaultSelection = 1"_s);
    }
};

TEST_F(DemoVoiceRows, MediaFilesAreInTheApplicationFolderAndAreMp3)
{
    const QString folder = value(u"SELECT Data FROM AP_Master_TAB WHERE MasterID = %1"_s.arg(demoId()));
    // Relative: it names the recordings of whichever folder holds DIC.DAT.
    EXPECT_EQ(folder, u"media/demo"_s);

    const auto files = column(u"SELECT DISTINCT Data FROM AP_Detail_TAB WHERE MasterID = %1"_s.arg(demoId()));
    ASSERT_FALSE(files.isEmpty());
    for (const auto& name : files) {
        QFile file(contentFile(u"media/demo/"_s + name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray head = file.read(4);
        const bool id3 = head.startsWith("ID3");
        const bool frameSync = head.size() >= 2 && quint8(head[0]) == 0xFF && (quint8(head[1]) & 0xE0) == 0xE0;
        EXPECT_TRUE(id3 || frameSync) << name.toStdString();
        EXPECT_GT(file.size(), 10000) << name.toStdString();
    }
}

TEST_F(DemoVoiceRows, ShortChaptersHaveIncreasingMeasuredPositions)
{
    const auto details = rows(u"SELECT a.SurahNo, a.AyahNo, d.Data, d.DataPos FROM AP_Detail_TAB d "
                              "JOIN MD_Ayah_TAB a ON a.AyahRef = d.AyahRef WHERE d.MasterID = %1 "
                              "ORDER BY d.AyahRef"_s.arg(demoId()));
    QSet<int> chapters;
    for (const auto& d : details)
        chapters.insert(d.value(0).toInt());
    for (int required : {1, 112, 113, 114})
        EXPECT_TRUE(chapters.contains(required)) << required;
    // Only whole chapters, every verse of each.
    for (int surah : chapters) {
        EXPECT_EQ(value(u"SELECT COUNT(*) FROM MD_Ayah_TAB WHERE SurahNo = %1"_s.arg(surah)).toInt(),
            std::count_if(details.cbegin(), details.cend(),
                [surah](const QStringList& d) { return d.value(0).toInt() == surah; }))
            << surah;
    }

    static const QRegularExpression number(u"^(0|[1-9]\\d*)(\\.\\d{1,2})?$"_s);
    double previous = 0;
    for (const auto& d : details) {
        const int surah = d.value(0).toInt();
        SCOPED_TRACE((d.value(0) + u':' + d.value(1)).toStdString());
        EXPECT_EQ(d.value(2), u"%1.mp3"_s.arg(surah, 3, 10, QChar(u'0')));
        ASSERT_TRUE(number.match(d.value(3)).hasMatch()) << d.value(3).toStdString();
        const double pos = d.value(3).toDouble();
        if (d.value(1) == u"1"_s)
            EXPECT_EQ(d.value(3), u"0"_s);
        else
            EXPECT_GT(pos, previous + 0.5) << "a spoken verse and the pause between verses";
        previous = pos;
    }
}

} // namespace
} // namespace tilvora::content_test
