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

TEST_F(HelpFileTest, EveryLinkContentsEntryAndIndexWordLeadsToAPageAndAnchorOfTheFile)
{
    const auto expectTarget = [this](const QUrl& target, const std::string& from) {
        const QString targetPage = file.PageOf(target);
        EXPECT_FALSE(targetPage.isEmpty()) << from;
        if (target.hasFragment()) {
            EXPECT_TRUE(Anchors(targetPage).contains(target.fragment())) << from;
        }
    };
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    int links = 0;
    for (const QString& page : file.Pages()) {
        const QUrl base = file.PageUrl(page);
        for (const auto& match : href.globalMatch(QString::fromUtf8(file.PageData(page)))) {
            expectTarget(base.resolved(QUrl(match.captured(1))), (page + QStringLiteral(" -> ") + match.captured(1)).toStdString());
            ++links;
        }
    }
    EXPECT_GT(links, 30);

    QHelpEngine& engine = file.Engine();
    QSignalSpy index(engine.indexModel(), &QHelpIndexModel::indexCreated);
    QSignalSpy contents(engine.contentModel(), &QHelpContentModel::contentsCreated);
    ASSERT_TRUE(engine.contentModel()->rowCount() > 0 || contents.wait());
    ASSERT_TRUE(engine.indexModel()->rowCount() > 0 || index.wait());
    std::vector<QModelIndex> entries{engine.contentModel()->index(0, 0)};
    for (size_t at = 0; at < entries.size(); ++at) {
        const QModelIndex entry = entries[at];
        expectTarget(engine.contentModel()->contentItemAt(entry)->url(), entry.data().toString().toStdString());
        for (int row = 0; row < engine.contentModel()->rowCount(entry); ++row)
            entries.push_back(engine.contentModel()->index(row, 0, entry));
    }
    EXPECT_GT(entries.size(), 100u);
    for (const QString& word : engine.indexModel()->stringList())
        for (const QHelpLink& topic : engine.documentsForKeyword(word))
            expectTarget(topic.url, word.toStdString());
}

} // namespace
