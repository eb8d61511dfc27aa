#include "platform/fake/VEFakeHotKeys.h"
#include "platform/fake/VEFakePlatform.h"
#include "services/VEHotKeyManager.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// Records each call in a shared log under its own name.
class RecordingObserver final : public VEHotKeyObserver {
public:
    RecordingObserver(std::string name, std::vector<std::string>& log) : mName(std::move(name)), mLog(log) {}
    void hotKeyDown(int32_t keyCode) override
    {
        mLog.push_back(mName + ":" + std::to_string(keyCode));
        if (mOnCall)
            mOnCall();
    }
    std::function<void()> mOnCall;

private:
    std::string mName;
    std::vector<std::string>& mLog;
};

class HotKeyManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mFakes = &installFakePlatform();
        mKeys = mFakes->hotKeys;
        mManager = std::make_unique<VEHotKeyManager>();
    }
    void TearDown() override { mManager.reset(); }

    VEFakePlatform* mFakes = nullptr;
    VEFakeHotKeys* mKeys = nullptr;
    std::unique_ptr<VEHotKeyManager> mManager;
    std::vector<std::string> mLog;
};

} // namespace

TEST_F(HotKeyManagerTest, FirstObserverRegistersTheKeyOnceAndPressesReachAllInOrder)
{
    RecordingObserver first("first", mLog), second("second", mLog);
    mManager->addObserverForKeyCode(&first, 98);
    ASSERT_EQ(mKeys->mRegistrations.size(), 1u);
    EXPECT_EQ(mKeys->mRegistrations[0].keyCode, 98);
    EXPECT_EQ(mKeys->mRegistrations[0].modifiers, 0u); // the bare key
    EXPECT_EQ(mKeys->mRegistrations[0].identifier, (VEEventHotKeyID{kVEHotKeySignature, 98}));
    EXPECT_EQ(kVEHotKeySignature, 0x4B766C72u); // 'Kvlr'

    mManager->addObserverForKeyCode(&second, 98);
    EXPECT_EQ(mKeys->mRegisterCalls, 1);
    EXPECT_TRUE(mKeys->press(98));
    EXPECT_TRUE(mKeys->press(98));
    EXPECT_EQ(mLog, (std::vector<std::string>{"first:98", "second:98", "first:98", "second:98"}));
}

TEST_F(HotKeyManagerTest, InvalidKeyCodesAndNullObserversAreIgnored)
{
    RecordingObserver observer("o", mLog);
    mManager->addObserverForKeyCode(&observer, -1);
    mManager->addObserverForKeyCode(&observer, 0);
    mManager->addObserverForKeyCode(nullptr, 98);
    EXPECT_EQ(mKeys->mRegisterCalls, 0);
    EXPECT_TRUE(mManager->observersForKeyCode(-1).empty());
    EXPECT_TRUE(mManager->observersForKeyCode(98).empty());
}

TEST_F(HotKeyManagerTest, AnObserverAddedTwiceIsCalledTwiceAndRemovedEverywhere)
{
    RecordingObserver observer("o", mLog), other("other", mLog);
    mManager->addObserverForKeyCode(&observer, 98);
    mManager->addObserverForKeyCode(&observer, 98);
    mManager->addObserverForKeyCode(&observer, 100);
    mManager->addObserverForKeyCode(&other, 100);
    mManager->_hotKeyHit(98);
    EXPECT_EQ(mLog, (std::vector<std::string>{"o:98", "o:98"}));

    mManager->removeObserver(&observer);
    mLog.clear();
    mManager->_hotKeyHit(98);
    mManager->_hotKeyHit(100);
    EXPECT_EQ(mLog, (std::vector<std::string>{"other:100"}));
}

TEST_F(HotKeyManagerTest, RemovingForOneKeyLeavesTheOthers)
{
    RecordingObserver observer("o", mLog);
    mManager->addObserverForKeyCode(&observer, 98);
    mManager->addObserverForKeyCode(&observer, 100);
    mManager->removeObserverForKeyCode(&observer, 98);
    mManager->removeObserverForKeyCode(&observer, 122); // a key without a list
    mManager->_hotKeyHit(98);
    mManager->_hotKeyHit(100);
    EXPECT_EQ(mLog, (std::vector<std::string>{"o:100"}));
}

TEST_F(HotKeyManagerTest, TheLastObserverGivesTheKeyBackAndTheNextOneTakesItAgain)
{
    RecordingObserver a("a", mLog), b("b", mLog);
    mManager->addObserverForKeyCode(&a, 98);
    mManager->addObserverForKeyCode(&b, 98);
    mManager->removeObserverForKeyCode(&a, 98);
    EXPECT_TRUE(mKeys->isRegistered(98));
    mManager->removeObserverForKeyCode(&b, 98);
    EXPECT_FALSE(mKeys->isRegistered(98));
    EXPECT_FALSE(mKeys->press(98)); // nobody holds it now

    mManager->addObserverForKeyCode(&a, 98);
    EXPECT_TRUE(mKeys->isRegistered(98));
    EXPECT_EQ(mKeys->mRegisterCalls, 2);
}

TEST_F(HotKeyManagerTest, APressForAKeyWithoutObserversCallsNobodyAndIsHandled)
{
    ASSERT_TRUE(mKeys->mHandler);
    EXPECT_TRUE(mKeys->mHandler(VEEventHotKeyID{kVEHotKeySignature, 98}));
    // The signature is not checked.
    RecordingObserver observer("o", mLog);
    mManager->addObserverForKeyCode(&observer, 100);
    EXPECT_TRUE(mKeys->mHandler(VEEventHotKeyID{0x41424344, 100}));
    EXPECT_EQ(mLog, (std::vector<std::string>{"o:100"}));
    // An event without a readable identifier is passed on.
    EXPECT_FALSE(mKeys->pressUnreadable());
}

TEST_F(HotKeyManagerTest, AKeyTakenByAnotherProgramIsRecordedButNeverPressed)
{
    mKeys->mTakenKeys.insert({98, 0});
    RecordingObserver observer("o", mLog);
    mManager->addObserverForKeyCode(&observer, 98);
    EXPECT_FALSE(mKeys->isRegistered(98));
    EXPECT_EQ(mManager->observersForKeyCode(98).size(), 1u);
    EXPECT_FALSE(mKeys->press(98));
    EXPECT_TRUE(mLog.empty());
    // A second observer does not retry; removing them releases nothing that was never had.
    RecordingObserver second("s", mLog);
    mManager->addObserverForKeyCode(&second, 98);
    EXPECT_EQ(mKeys->mRegisterCalls, 1);
    mManager->removeObserver(&observer);
    mManager->removeObserver(&second);
    EXPECT_EQ(mKeys->mUnregisterCalls, 0);
}

TEST_F(HotKeyManagerTest, TheOldestToolkitUsesTheCommandKey)
{
    mFakes->toolkit->mVersion = 663.0;
    RecordingObserver observer("o", mLog);
    mManager->addObserverForKeyCode(&observer, 98);
    ASSERT_EQ(mKeys->mRegistrations.size(), 1u);
    EXPECT_EQ(mKeys->mRegistrations[0].modifiers, kVECmdKey);
    // Released with the modifiers it was registered with, whatever the toolkit says now.
    mFakes->toolkit->mVersion = 1000;
    mManager->removeObserver(&observer);
    EXPECT_TRUE(mKeys->mRegistrations.empty());
}

TEST_F(HotKeyManagerTest, ADestroyedObserverIsNeverCalledAndItsKeyIsReleased)
{
    auto doomed = std::make_unique<RecordingObserver>("doomed", mLog);
    RecordingObserver survivor("survivor", mLog);
    mManager->addObserverForKeyCode(doomed.get(), 98);
    mManager->addObserverForKeyCode(doomed.get(), 100);
    mManager->addObserverForKeyCode(&survivor, 100);
    doomed.reset();
    EXPECT_FALSE(mKeys->isRegistered(98));
    EXPECT_TRUE(mKeys->isRegistered(100));
    mKeys->press(100);
    EXPECT_EQ(mLog, (std::vector<std::string>{"survivor:100"}));
}

TEST_F(HotKeyManagerTest, ObserversRemovedDuringAPressAreNotCalled)
{
    RecordingObserver first("first", mLog);
    auto second = std::make_unique<RecordingObserver>("second", mLog);
    RecordingObserver third("third", mLog);
    first.mOnCall = [&] { second.reset(); }; // deletes the next observer
    mManager->addObserverForKeyCode(&first, 98);
    mManager->addObserverForKeyCode(second.get(), 98);
    mManager->addObserverForKeyCode(&third, 98);
    EXPECT_TRUE(mKeys->press(98));
    EXPECT_EQ(mLog, (std::vector<std::string>{"first:98", "third:98"}));
}

TEST_F(HotKeyManagerTest, ADestroyedManagerGivesItsKeysBack)
{
    RecordingObserver observer("o", mLog);
    mManager->addObserverForKeyCode(&observer, 98);
    mManager.reset();
    EXPECT_TRUE(mKeys->mRegistrations.empty());
    EXPECT_FALSE(mKeys->mHandler);
}

TEST(HotKeyManagerShared, IsOneObject)
{
    EXPECT_EQ(&VEHotKeyManager::sharedHotKeyManager(), &VEHotKeyManager::sharedHotKeyManager());
}
