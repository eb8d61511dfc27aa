#include "platform/fake/VEFakePlatform.h"
#include "platform/fake/VEFakeProcesses.h"
#include "services/VENotificationCenter.h"
#include "services/VEWorkspaceAdditions.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kFinder = QStringLiteral("/usr/share/applications/org.example.Files.desktop");
const QString kEditor = QStringLiteral("/usr/share/applications/editor.desktop");
const QString kTerminal = QStringLiteral("/usr/share/applications/debian-xterm.desktop");
const QString kClock = QStringLiteral("/usr/bin/xclock");

class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mFakes = &installFakePlatform();
        mProcesses = mFakes->processes;
        mWorkspace = std::make_unique<VEWorkspace>();
    }

    // The Finder as the user's default file manager, installed at its entry.
    void installFinder(bool running)
    {
        mProcesses->mFileManagerLocation = kFinder;
        mProcesses->mExistingFiles.insert(kFinder);
        if (running)
            mFinderPSN = mProcesses->addApplication(kFinder, QStringLiteral("Files"));
    }

    int hideRequests() const
    {
        int n = 0;
        for (const auto& [psn, visible] : mProcesses->mShowHideRequests)
            n += visible ? 0 : 1;
        return n;
    }

    VEFakePlatform* mFakes = nullptr;
    VEFakeProcesses* mProcesses = nullptr;
    std::unique_ptr<VEWorkspace> mWorkspace;
    VEProcessSerialNumber mFinderPSN;
};

} // namespace

TEST_F(WorkspaceTest, ApplicationDictionariesCarryTheFourKeys)
{
    const auto psn = mProcesses->addApplication(kEditor, QStringLiteral("Editor"));
    const auto launched = mWorkspace->launchedApplications();
    ASSERT_EQ(launched.size(), 1u);
    const VEApplicationDictionary& app = launched.front();
    EXPECT_EQ(app.at(kVEApplicationPathKey).toString(), kEditor);
    EXPECT_EQ(app.at(kVEApplicationNameKey).toString(), QStringLiteral("Editor"));
    EXPECT_EQ(VEWorkspace::PSNForApplicationDictionary(app), psn);
    EXPECT_NE(psn, kVENoProcess);
    EXPECT_NE(psn, kVECurrentProcess);
}

TEST_F(WorkspaceTest, PSNOfADictionaryComesFromItsOwnEntries)
{
    VEApplicationDictionary dictionary;
    dictionary[kVEApplicationPSNHighKey] = 0x1;
    dictionary[kVEApplicationPSNLowKey] = static_cast<qint64>(0xFFFFFFFFLL);
    EXPECT_EQ(VEWorkspace::PSNForApplicationDictionary(dictionary), (VEProcessSerialNumber{1, 0xFFFFFFFFu}));
    EXPECT_EQ(mProcesses->mListQueries, 0); // the platform is not asked

    // Missing, mistyped or out-of-range words address no process.
    const std::vector<std::pair<VEPlistValue, VEPlistValue>> bad = {
        {VEPlistValue(), VEPlistValue(5)},
        {VEPlistValue(QStringLiteral("1")), VEPlistValue(5)},
        {VEPlistValue(-1), VEPlistValue(5)},
        {VEPlistValue(1), VEPlistValue(static_cast<qint64>(0x100000000LL))},
    };
    for (const auto& [high, low] : bad) {
        VEApplicationDictionary d;
        if (!high.isNone())
            d[kVEApplicationPSNHighKey] = high;
        d[kVEApplicationPSNLowKey] = low;
        EXPECT_EQ(VEWorkspace::PSNForApplicationDictionary(d), kVENoProcess);
    }
}

TEST_F(WorkspaceTest, PathOperationsActOnTheFirstEntryWithThePath)
{
    const auto first = mProcesses->addApplication(kEditor);
    mProcesses->addApplication(kClock);
    const auto second = mProcesses->addApplication(kEditor);
    EXPECT_EQ(mWorkspace->PSNForApplication(kEditor), first);
    EXPECT_EQ(mWorkspace->PSNForApplication(kEditor.toUpper()), kVENoProcess); // exact, case-sensitive

    mWorkspace->setFrontApplication(kEditor);
    mWorkspace->quitApplication(kEditor);
    mWorkspace->hideApplication(kEditor);
    mWorkspace->showApplication(kEditor);
    ASSERT_EQ(mProcesses->mFrontRequests.size(), 1u);
    EXPECT_EQ(mProcesses->mFrontRequests[0], first);
    ASSERT_EQ(mProcesses->mQuitEvents.size(), 1u);
    EXPECT_EQ(mProcesses->mQuitEvents[0], first);
    ASSERT_EQ(mProcesses->mShowHideRequests.size(), 2u);
    EXPECT_EQ(mProcesses->mShowHideRequests[0], std::make_pair(first, false));
    EXPECT_EQ(mProcesses->mShowHideRequests[1], std::make_pair(first, true));
    EXPECT_TRUE(mProcesses->process(second)->visible);
    mProcesses->process(first)->visible = false;
    EXPECT_FALSE(mWorkspace->isVisibleApplication(kEditor)); // the first one decides
}

TEST_F(WorkspaceTest, UnknownPathsDoNothing)
{
    mProcesses->addApplication(kEditor);
    const QString missing = QStringLiteral("/nowhere/app.desktop");
    mWorkspace->setFrontApplication(missing);
    mWorkspace->hideApplication(QString());
    mWorkspace->showApplication(missing);
    mWorkspace->quitApplication(missing);
    mWorkspace->setFrontApplicationWithPSN(kVENoProcess);
    mWorkspace->hideApplicationWithPSN(kVENoProcess);
    mWorkspace->showApplicationWithPSN(kVENoProcess);
    mWorkspace->quitApplicationWithPSN(kVENoProcess);
    EXPECT_FALSE(mWorkspace->isVisibleApplication(missing));
    EXPECT_FALSE(mWorkspace->isVisibleApplicationWithPSN(kVENoProcess));
    EXPECT_TRUE(mProcesses->mFrontRequests.empty());
    EXPECT_TRUE(mProcesses->mShowHideRequests.empty());
    EXPECT_TRUE(mProcesses->mQuitEvents.empty());
}

TEST_F(WorkspaceTest, ThisProgramIsBroughtFrontWithItsOwnSerialNumber)
{
    mWorkspace->setCurrentApplicationFront();
    ASSERT_EQ(mProcesses->mFrontRequests.size(), 1u);
    EXPECT_EQ(mProcesses->mFrontRequests[0], kVECurrentProcess);
    EXPECT_EQ(mFakes->frontProcess->frontProcess(), kVECurrentProcess); // the fake front follows
}

TEST_F(WorkspaceTest, VisibleAndHiddenListsPartitionTheLaunchedApplicationsInOrder)
{
    mProcesses->addApplication(kEditor, {}, true);
    mProcesses->addApplication(kClock, {}, false);
    mProcesses->addApplication(kTerminal, {}, true);
    mProcesses->addApplication(QStringLiteral("/usr/bin/xeyes"), {}, false);
    EXPECT_EQ(mWorkspace->visibleApplications(), QStringList({kEditor, kTerminal}));
    EXPECT_EQ(mWorkspace->hiddenApplications(), QStringList({kClock, QStringLiteral("/usr/bin/xeyes")}));
}

TEST_F(WorkspaceTest, HidingTheOnlyVisibleApplicationFollowsTheFinderRule)
{
    installFinder(true);
    const auto editor = mProcesses->addApplication(kEditor);

    // Two visible: a plain hide.
    mWorkspace->hideApplication(kEditor);
    EXPECT_TRUE(mProcesses->mFrontRequests.empty());
    EXPECT_FALSE(mProcesses->process(editor)->visible);

    // The Finder alone visible: hiding it does nothing.
    mProcesses->mShowHideRequests.clear();
    mWorkspace->hideApplication(kFinder);
    EXPECT_TRUE(mProcesses->mShowHideRequests.empty());
    EXPECT_TRUE(mProcesses->process(mFinderPSN)->visible);

    // Another application alone visible: the Finder comes to the front first.
    mProcesses->process(editor)->visible = true;
    mProcesses->process(mFinderPSN)->visible = false;
    mWorkspace->hideApplication(kEditor);
    ASSERT_EQ(mProcesses->mFrontRequests.size(), 1u);
    EXPECT_EQ(mProcesses->mFrontRequests[0], mFinderPSN);
    ASSERT_EQ(mProcesses->mShowHideRequests.size(), 1u);
    EXPECT_EQ(mProcesses->mShowHideRequests[0], std::make_pair(editor, false));

    // hideApplicationWithPSN applies no Finder rule.
    mProcesses->mShowHideRequests.clear();
    mProcesses->process(mFinderPSN)->visible = true;
    mProcesses->process(editor)->visible = false;
    mWorkspace->hideApplicationWithPSN(mFinderPSN);
    EXPECT_EQ(hideRequests(), 1);
}

TEST_F(WorkspaceTest, HidingTheOnlyVisibleApplicationWithoutAFinderStillHides)
{
    const auto editor = mProcesses->addApplication(kEditor);
    mWorkspace->hideApplication(kEditor);
    EXPECT_TRUE(mProcesses->mFrontRequests.empty());
    EXPECT_FALSE(mProcesses->process(editor)->visible);
}

TEST_F(WorkspaceTest, HideAllExceptHidesEverythingNotNamed)
{
    const auto editor = mProcesses->addApplication(kEditor);
    const auto clock = mProcesses->addApplication(kClock);
    const auto terminal = mProcesses->addApplication(kTerminal);
    mProcesses->setActive(terminal);

    struct Case {
        QStringList except;
        std::vector<VEProcessSerialNumber> hidden;
    };
    const std::vector<Case> cases = {
        {{}, {editor, clock, terminal}},                       // nil / empty: the front one too
        {{kTerminal}, {editor, clock}},                        // the front one named: stays
        {{kTerminal, kEditor, QStringLiteral("/x")}, {clock}}, // unknown names are harmless
    };
    for (const auto& c : cases) {
        mProcesses->mShowHideRequests.clear();
        for (auto& p : mProcesses->mProcesses)
            p.visible = true;
        mWorkspace->hideAllApplicationsExcept(c.except);
        ASSERT_EQ(mProcesses->mShowHideRequests.size(), c.hidden.size()) << c.except.join(',').toStdString();
        for (size_t i = 0; i < c.hidden.size(); ++i)
            EXPECT_EQ(mProcesses->mShowHideRequests[i], std::make_pair(c.hidden[i], false));
    }
    // The Finder rule does not apply: a lone visible application is hidden without activation.
    installFinder(true);
    mProcesses->mFrontRequests.clear();
    mWorkspace->hideAllApplications();
    EXPECT_TRUE(mWorkspace->visibleApplications().isEmpty());
    EXPECT_TRUE(mProcesses->mFrontRequests.empty());
}

TEST_F(WorkspaceTest, ShowAllUnhidesEachHiddenApplicationOnce)
{
    mProcesses->addApplication(kEditor, {}, true);
    const auto clock = mProcesses->addApplication(kClock, {}, false);
    const auto terminal = mProcesses->addApplication(kTerminal, {}, false);
    mWorkspace->showAllApplications();
    ASSERT_EQ(mProcesses->mShowHideRequests.size(), 2u);
    EXPECT_EQ(mProcesses->mShowHideRequests[0], std::make_pair(clock, true));
    EXPECT_EQ(mProcesses->mShowHideRequests[1], std::make_pair(terminal, true));
    EXPECT_TRUE(mWorkspace->hiddenApplications().isEmpty());
}

TEST_F(WorkspaceTest, QuitNeverTargetsTheFinder)
{
    installFinder(true);
    const auto editor = mProcesses->addApplication(kEditor);
    mWorkspace->quitApplication(kFinder);
    EXPECT_TRUE(mProcesses->mQuitEvents.empty());
    mWorkspace->quitApplication(kEditor);
    ASSERT_EQ(mProcesses->mQuitEvents.size(), 1u);
    EXPECT_EQ(mProcesses->mQuitEvents[0], editor);
    // The serial-number form sends to anything, the Finder included.
    mWorkspace->quitApplicationWithPSN(mFinderPSN);
    EXPECT_EQ(mProcesses->mQuitEvents.size(), 2u);
}

TEST_F(WorkspaceTest, FinderPathIsFoundRunningOrInstalledAndThenKept)
{
    // Running: the first launched application whose entry has the file manager's name.
    mProcesses->mFileManagerLocation = kFinder;
    const QString elsewhere = QStringLiteral("/home/user/.local/share/applications/org.example.Files.desktop");
    mProcesses->addApplication(kEditor);
    mProcesses->addApplication(elsewhere);
    EXPECT_EQ(mWorkspace->finderApplicationPath(), elsewhere);

    // Kept even when another copy runs later and the first one quits.
    mProcesses->mProcesses.clear();
    mProcesses->addApplication(kFinder);
    EXPECT_EQ(mWorkspace->finderApplicationPath(), elsewhere);
}

TEST_F(WorkspaceTest, FinderPathIsNoneUntilOneExists)
{
    mProcesses->addApplication(kEditor);
    EXPECT_EQ(mWorkspace->finderApplicationPath(), std::nullopt); // no default file manager
    mProcesses->mFileManagerLocation = kFinder;
    EXPECT_EQ(mWorkspace->finderApplicationPath(), std::nullopt); // its entry is not installed
    EXPECT_EQ(mWorkspace->finderApplicationPath(), std::nullopt);
    mProcesses->mExistingFiles.insert(kFinder);
    EXPECT_EQ(mWorkspace->finderApplicationPath(), kFinder);
    mProcesses->mExistingFiles.clear();
    EXPECT_EQ(mWorkspace->finderApplicationPath(), kFinder);
}

TEST_F(WorkspaceTest, CurrentVisibleApplicationFollowsFrontChangesOtherThanThisProgram)
{
    const auto editor = mProcesses->addApplication(kEditor);
    const auto clock = mProcesses->addApplication(kClock);
    auto& center = VENotificationCenter::defaultCenter();
    QObject poster;
    auto path = [&] {
        const auto app = mWorkspace->currentVisibleApplication();
        return app ? app->at(kVEApplicationPathKey).toString() : QString();
    };

    mProcesses->setActive(clock);
    EXPECT_EQ(path(), kClock);
    const auto first = mWorkspace->currentVisibleApplication();

    // This program in front: no active application; the answer stays.
    mProcesses->setActive(kVECurrentProcess);
    center.postNotificationName(QStringLiteral("VelmoraFrontApplicationDidChange"), &poster);
    EXPECT_EQ(mWorkspace->currentVisibleApplication(), first);

    mProcesses->setActive(editor);
    EXPECT_EQ(path(), kClock); // only the notification refreshes it
    center.postNotificationName(QStringLiteral("VelmoraFrontApplicationDidChange"), nullptr);
    EXPECT_EQ(path(), kEditor);
}

TEST_F(WorkspaceTest, CurrentVisibleApplicationFallsBackToTheFirstLaunchedOne)
{
    EXPECT_EQ(mWorkspace->currentVisibleApplication(), std::nullopt);
    mProcesses->addApplication(kTerminal);
    mProcesses->addApplication(kEditor);
    const auto app = mWorkspace->currentVisibleApplication(); // tried again after none
    ASSERT_TRUE(app);
    EXPECT_EQ(app->at(kVEApplicationPathKey).toString(), kTerminal);
}

TEST_F(WorkspaceTest, ObserverGoesWithTheWorkspace)
{
    auto& center = VENotificationCenter::defaultCenter();
    const size_t before = center.observationCount();
    mWorkspace->currentVisibleApplication();
    mWorkspace->currentVisibleApplication();
    EXPECT_EQ(center.observationCount(), before + 1); // registered once
    mWorkspace.reset();
    EXPECT_EQ(center.observationCount(), before);
    center.postNotificationName(QStringLiteral("VelmoraFrontApplicationDidChange"), nullptr);
}

TEST_F(WorkspaceTest, WorkspaceOperationsReachThePlatform)
{
    EXPECT_TRUE(mWorkspace->launchApplication(kEditor));
    EXPECT_TRUE(mWorkspace->openFile(QStringLiteral("/tmp/a.txt")));
    EXPECT_TRUE(mWorkspace->openURL(QUrl(QStringLiteral("https://example.org/velmora/"))));
    EXPECT_TRUE(mWorkspace->selectFileInFileViewerRootedAtPath(QStringLiteral("/tmp/a.txt"), QString()));
    EXPECT_FALSE(mWorkspace->openFile(QString()));
    EXPECT_FALSE(mWorkspace->openURL(QUrl()));
    EXPECT_EQ(mProcesses->mLaunched, QStringList{kEditor});
    EXPECT_EQ(mProcesses->mOpened, QStringList{QStringLiteral("/tmp/a.txt")});
    EXPECT_EQ(mProcesses->mSelected, QStringList{QStringLiteral("/tmp/a.txt")});
    mProcesses->mOpenSucceeds = false;
    EXPECT_FALSE(mWorkspace->openFile(QStringLiteral("/tmp/missing")));
}

TEST(WorkspaceShared, IsOneObject)
{
    EXPECT_EQ(&VEWorkspace::sharedWorkspace(), &VEWorkspace::sharedWorkspace());
}
