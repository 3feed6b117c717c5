#include <gtest/gtest.h>
#include <stdexcept>

#include "FileSearch.h"
#include "HeadlessHost.h"
#include "SearchRecorder.h"
#include "SearchTree.h"

using namespace twinsweep;
using namespace std::chrono_literals;
using Events = std::vector<std::string>;

namespace {

class ThreadedSearch : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder big enough to fill the worker's queue twice, and a few small ones.
        for (int i = 0; i < 1100; ++i)
            tree.file("big/" + std::to_string(i));
        for (int i = 0; i < 12; ++i)
            tree.file("d" + std::to_string(i) + "/s/f");
        search.SetLocation(tree.root());
        search.SetThreaded(true);
        TFileSearch other(host);
        other.SetLocation(tree.root());
        SearchRecorder inlineRecorder(other, tree.root());
        other.Execute();
        inlineEvents = inlineRecorder.events;
    }
    bool RunToEnd() {
        return host.processUntil([&] { return !search.Busy(); }, 20s);
    }
    // The events so far, without the final "complete", are the inline run's first ones.
    bool PrefixOfInlineRun() {
        Events part = recorder.events;
        if (part.empty() || part.back() != "complete")
            return false;
        part.pop_back();
        return part.size() < inlineEvents.size() &&
               std::equal(part.begin(), part.end(), inlineEvents.begin());
    }
    void OnFoundAlso(std::function<void(TFileSearch&)> extra) {
        ChainOnFound(search, std::move(extra));
    }

    HeadlessHost host;
    SearchTree tree;
    TFileSearch search{host};
    SearchRecorder recorder{search, tree.root()};
    Events inlineEvents;
};

} // namespace

TEST_F(ThreadedSearch, DeliversTheInlineEventsInOrderOnTheUiThread) {
    ASSERT_EQ(inlineEvents.size(), 1 + 1 + 1100 + 12 * 3 + 1u);
    search.Execute();
    EXPECT_TRUE(search.Busy()); // nothing is delivered until the UI thread runs the calls
    EXPECT_TRUE(recorder.events.empty());
    search.SetThreadPriority(tpLower);
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(recorder.events, inlineEvents);
    EXPECT_FALSE(recorder.offUiThread);
    EXPECT_FALSE(search.Aborted());
}

TEST_F(ThreadedSearch, AbortFromTheUiThreadReturnsAfterTheCompletion) {
    search.Execute();
    ASSERT_TRUE(host.processUntil([&] { return recorder.count("new d") >= 1; }, 20s));
    search.Abort();
    EXPECT_FALSE(search.Busy());
    EXPECT_TRUE(search.Aborted());
    // What was handed over arrived in order; the worker went at most one folder further.
    EXPECT_TRUE(PrefixOfInlineRun());
    EXPECT_LE(recorder.count("new d"), 3u);
    host.processMessages();
    EXPECT_EQ(recorder.completed, 1);
}

TEST_F(ThreadedSearch, AbortFromAHandlerEndsTheRunAfterThatHandler) {
    OnFoundAlso([](TFileSearch& sender) { sender.Abort(); });
    search.Execute();
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(recorder.count("found"), 1u);
    EXPECT_TRUE(PrefixOfInlineRun());
    EXPECT_TRUE(search.Aborted());

    search.OnNewFolder = [](TFileSearch& sender, const std::string&, bool&) { sender.Abort(); };
    recorder.events.clear();
    search.Execute();
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(recorder.events, Events{"complete"});
}

TEST_F(ThreadedSearch, HandlerErrorsEndTheRunAndNothingFollows) {
    OnFoundAlso([&](TFileSearch&) {
        if (recorder.count("found") == 700)
            throw std::runtime_error("handler failed");
    });
    search.Execute();
    ASSERT_TRUE(RunToEnd());
    EXPECT_TRUE(search.Aborted());
    EXPECT_EQ(search.Failure(), "handler failed");
    EXPECT_EQ(recorder.count("found"), 700u);
    EXPECT_TRUE(PrefixOfInlineRun());

    search.OnNewFolder = [&, record = search.OnNewFolder](TFileSearch& sender,
                                                          const std::string& folder, bool& ignore) {
        record(sender, folder, ignore);
        if (recorder.count("new") == 3)
            throw Exception("no");
    };
    recorder.events.clear();
    search.Execute();
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(search.Failure(), "no");
    EXPECT_TRUE(PrefixOfInlineRun());
    EXPECT_TRUE(recorder.events.end()[-2].starts_with("new")); // nothing after the failure
}

TEST_F(ThreadedSearch, ExecuteWhileBusyOrFromOnComplete) {
    search.OnComplete = [&, record = search.OnComplete](TFileSearch& sender) {
        record(sender);
        EXPECT_FALSE(sender.Busy());
        if (recorder.completed == 1)
            sender.Execute();
    };
    search.Execute();
    search.Execute();
    ASSERT_TRUE(host.processUntil([&] { return recorder.completed == 2 && !search.Busy(); }, 20s));
    EXPECT_EQ(recorder.count("found"), 2 * (1100 + 12u));

    // An error of OnComplete has nowhere to go; the component stays usable.
    search.OnComplete = [](TFileSearch&) { throw Exception("complete failed"); };
    search.Execute();
    ASSERT_TRUE(RunToEnd());
    search.OnComplete = nullptr;
    search.Execute();
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(recorder.count("new ."), 4u);
}

TEST_F(ThreadedSearch, DestroyingTheComponentStopsTheWorkerWithoutEvents) {
    for (bool deliverSome : {false, true}) {
        auto doomed = std::make_unique<TFileSearch>(host);
        doomed->SetLocation(tree.root());
        doomed->SetThreaded(true);
        SearchRecorder events(*doomed, tree.root());
        doomed->Execute();
        if (deliverSome) {
            ASSERT_TRUE(host.processUntil([&] { return events.count("found") > 0; }, 20s));
        }
        const size_t before = events.events.size();
        doomed.reset();
        host.processMessages();
        EXPECT_EQ(events.events.size(), before);
        EXPECT_EQ(events.completed, 0);
    }
}
