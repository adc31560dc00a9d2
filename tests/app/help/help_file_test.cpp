// The compiled help file against the program's help contexts: every topic the program can ask
// for is a page of the file, and every link between its pages leads somewhere.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QSet>
#include <QSignalSpy>

#include "app_windows.h"
#include "help_address.h"
#include "help_file.h"
#include "help_topics.h"

namespace {

class HelpFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        QString error;
        ASSERT_TRUE(file.Open(QStringLiteral(SELV_PROGRAM_DIR "/selvmain.qch"), error)) << error.toStdString();
    }
    // The anchors named on a page.
    QSet<QString> Anchors(const QString& page) const
    {
        QSet<QString> names;
        static const QRegularExpression name(QStringLiteral("<a\\s+name=\"([^\"]+)\""));
        for (const auto& match : name.globalMatch(QString::fromUtf8(file.PageData(page))))
            names.insert(match.captured(1));
        return names;
    }
    // Whether a topic part names a page of the file and, when it has one, an anchor on it.
    void ExpectTopicInFile(int context, const QString& topic) const
    {
        const THelpAddress address = ParseHelpAddress(QStringLiteral("selvmain.qch") + topic);
        EXPECT_TRUE(file.HasPage(address.page)) << context << " " << topic.toStdString();
        if (!address.anchor.isEmpty()) {
            EXPECT_TRUE(Anchors(address.page).contains(address.anchor)) << topic.toStdString();
        }
    }

    THelpFile file;
};

constexpr TDayPage AllPages[] = {TDayPage::TroparionKontakion, TDayPage::DailyBibleReadings,
                                 TDayPage::LivesSaints};

TEST_F(HelpFileTest, EveryHelpContextHasItsPageInTheFile)
{
    int contexts = 0;
    for (int context = 0; context < 1000; ++context) {
        bool listed = false;
        for (TDayPage page : AllPages) {
            const QString topic = context < FirstReferenceContext ? PopupTopic(context, page) : ReferenceTopic(context);
            if (!topic.isEmpty()) {
                listed = true;
                ExpectTopicInFile(context, topic);
            }
        }
        contexts += listed;
    }
    for (TDayPage page : AllPages)
        for (bool pageMode : {false, true})
            ExpectTopicInFile(700, FindDialogTopic(pageMode, page));
    for (auto part : {TPreferencesTopic::Preferences, TPreferencesTopic::Versions, TPreferencesTopic::Files,
                      TPreferencesTopic::Install, TPreferencesTopic::Dialog})
        ExpectTopicInFile(900, PreferencesTopic(part));
    // 96 contexts of the table, and the Find and Preferences dialogs whose topic follows their state.
    EXPECT_EQ(contexts + 2, 98);
}

TEST_F(HelpFileTest, TopicsOfSharedAndStateDependentContexts)
{
    struct Case {
        QString topic;
        const char* expected;
    };
    const Case cases[] = {
        {PopupTopic(163, TDayPage::TroparionKontakion), "::/html/popsearch/findsaint.htm"},
        {PopupTopic(163, TDayPage::DailyBibleReadings), "::/html/popsearch/findbible.htm"},
        {PopupTopic(163, TDayPage::LivesSaints), "::/html/popsearch/findlifeofsaint.htm"},
        {PopupTopic(184, TDayPage::LivesSaints), "::/html/popoptionsbiblereadings.htm"},
        {PopupTopic(187, TDayPage::LivesSaints), "::/html/poppreferences/showversenumbers.htm"},
        {PopupTopic(245, TDayPage::LivesSaints), "::/html/poppreferences/showtoolbars.htm"},
        {PopupTopic(100, TDayPage::LivesSaints), ""},
        {PopupTopic(220, TDayPage::LivesSaints), ""},
        {ReferenceTopic(950), "::/html/refdlg/browsedlg.htm>secwin"},
        {ReferenceTopic(820), ""},
        {FindDialogTopic(true, TDayPage::LivesSaints), "::/html/refdlg/findpagedlg.htm>secwin"},
        {FindDialogTopic(false, TDayPage::TroparionKontakion), "::/html/refdlg/findsaintdlg.htm>secwin"},
        {FindDialogTopic(false, TDayPage::LivesSaints), "::/html/refdlg/findlifeofsaintdlg.htm>secwin"},
        {PreferencesTopic(TPreferencesTopic::Install), "::/html/refdlg/preferencesdlg.htm#Install>secwin"},
        {PreferencesTopic(TPreferencesTopic::Dialog), "::/html/refdlg/preferencesdlg.htm>secwin"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.topic, QLatin1String(c.expected));
}

TEST_F(HelpFileTest, EveryLinkLeadsToAPageAndAnchorOfTheFile)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    int links = 0;
    for (const QString& page : file.Pages()) {
        const QUrl base = file.PageUrl(page);
        for (const auto& match : href.globalMatch(QString::fromUtf8(file.PageData(page)))) {
            const QUrl target = base.resolved(QUrl(match.captured(1)));
            const QString targetPage = file.PageOf(target);
            EXPECT_FALSE(targetPage.isEmpty()) << page.toStdString() << " -> " << match.captured(1).toStdString();
            if (target.hasFragment()) {
                EXPECT_TRUE(Anchors(targetPage).contains(target.fragment()))
                    << page.toStdString() << " -> " << match.captured(1).toStdString();
            }
            ++links;
        }
    }
    EXPECT_GT(links, 30);
}

TEST_F(HelpFileTest, EveryContentsEntryAndIndexWordLeadsToAPageAndAnchorOfTheFile)
{
    QHelpEngine& engine = file.Engine();
    QSignalSpy index(engine.indexModel(), &QHelpIndexModel::indexCreated);
    QSignalSpy contents(engine.contentModel(), &QHelpContentModel::contentsCreated);
    ASSERT_TRUE(engine.contentModel()->rowCount() > 0 || contents.wait());
    ASSERT_TRUE(engine.indexModel()->rowCount() > 0 || index.wait());
    QList<QUrl> targets;
    std::vector<QModelIndex> entries{engine.contentModel()->index(0, 0)};
    for (size_t at = 0; at < entries.size(); ++at) {
        targets << engine.contentModel()->contentItemAt(entries[at])->url();
        for (int row = 0; row < engine.contentModel()->rowCount(entries[at]); ++row)
            entries.push_back(engine.contentModel()->index(row, 0, entries[at]));
    }
    EXPECT_GT(entries.size(), 100u);
    for (const QString& word : engine.indexModel()->stringList())
        for (const QHelpLink& topic : engine.documentsForKeyword(word)) targets << topic.url;
    for (const QUrl& target : targets)
        EXPECT_TRUE(target.hasFragment() ? Anchors(file.PageOf(target)).contains(target.fragment())
                                         : !file.PageOf(target).isEmpty()) << target.toString().toStdString();
}

} // namespace
