// The scan on a thread of its own: what it hands over at its end, when it has
// completed, been stopped or failed. Natively on the stand-in and under Wine
// on the real registry (the scratch root holds for the job's thread too).
#include "index/ScanJob.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace {

void PutAssociations() {
    PutString(".txt", "", "txtfile");
    PutString(".log", "", "txtfile");
    PutString(".htm", "", "htmlfile");
    PutKey(".zzz");
}

// The class names and each class's extensions, in index order.
std::string PictureOf(const TFileClass& index) {
    std::string picture;
    TStringList names;
    index.GetClassNames(names);
    for (const std::string& name : names) {
        TStringList extensions;
        index.GetClassExtensions(name, extensions);
        picture += "[" + name + ":";
        for (const std::string& ext : extensions)
            picture += " " + ext;
        picture += "]";
    }
    return picture;
}

} // namespace

using ScanJobTest = RegistryTest;

// A completed job hands over what a scan in place would have built, and its
// counters end at the total; the end is told once, to the callback given
// last, or at once to one given after the end.
TEST_F(ScanJobTest, ACompletedJobHandsOverTheIndexOfAScanInPlace) {
    PutAssociations();
    TFileClass expected;
    TStringList expectedExtensions;
    const TScanResult direct = ScanFileClasses(expected, nullptr, &expectedExtensions);

    std::atomic<int> told{0};
    std::atomic<bool> ready{false};
    TScanJob job([&](int, int) {
        while (!ready.load()) {
        }
        return true;
    });
    job.OnFinished([&] { told += 100; }); // replaced by the next one
    job.OnFinished([&] { ++told; });
    ready.store(true);
    TFileClass index;
    index.Add("stale", "", ".old");
    TStringList extensions;
    const TScanResult found = job.Finish(index, &extensions);

    EXPECT_TRUE(job.Done());
    EXPECT_EQ(told.load(), 1);
    EXPECT_EQ(PictureOf(index), PictureOf(expected));
    EXPECT_EQ(extensions.Items(), expectedExtensions.Items());
    EXPECT_EQ(found.Extensions, direct.Extensions);
    EXPECT_EQ(found.Classes, direct.Classes);
    EXPECT_FALSE(found.Stopped);
    EXPECT_TRUE(job.Counted());
    EXPECT_EQ(job.Read(), 4);
    EXPECT_EQ(job.Total(), 4);
    job.OnFinished([&] { told += 10; });
    EXPECT_EQ(told.load(), 11);
}

// A stopped job, or one whose observer fails, leaves the index and the list
// it would have filled as they were; the failure is raised by Finish.
TEST_F(ScanJobTest, AStoppedOrFailedJobLeavesTheIndexAsItWas) {
    PutAssociations();
    enum class End { Stop, ObserverSaysNo, ObserverFails };
    for (End end : {End::Stop, End::ObserverSaysNo, End::ObserverFails}) {
        SCOPED_TRACE(static_cast<int>(end));
        TScanJob* self = nullptr;
        std::atomic<bool> ready{false};
        TScanJob job([&](int read, int total) {
            EXPECT_EQ(total, 4);
            while (!ready.load()) {
            }
            if (read < 2)
                return true;
            if (end == End::Stop)
                self->Stop(); // as the window does when it is closed
            if (end == End::ObserverFails)
                throw std::runtime_error("observer failed");
            return end == End::Stop;
        });
        self = &job;
        ready.store(true);
        TFileClass index;
        index.Add("stale", "", ".old");
        TStringList extensions;
        extensions.Add(".kept");
        if (end == End::ObserverFails) {
            EXPECT_THROW(job.Finish(index, &extensions), std::runtime_error);
        } else {
            const TScanResult found = job.Finish(index, &extensions);
            EXPECT_TRUE(found.Stopped);
            EXPECT_EQ(job.Read(), 2);
        }
        EXPECT_TRUE(job.Done());
        EXPECT_EQ(PictureOf(index), "[stale: .old]");
        EXPECT_EQ(extensions.Items(), std::vector<std::string>{".kept"});
    }
}
