// 10,000 presses in one run: "Turn ON", "Check Registry" (its box closed with
// OK) and "Turn OFF", over and over. After a warm-up the process holds no
// more windows, USER or GDI objects or private bytes than a small fixed
// bound above what it held then, and the registry ends with the value of the
// last press. The cycle starts with Turn ON so that the 10,000th press is a
// write (Turn ON, value 1).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "driver/actions.h"
#include "driver/feature_switch_box.h"
#include "driver/feature_value.h"
#include "driver/message_box.h"
#include "driver/quillet_test.h"
#include "driver/top_level_windows.h"
#include "process_resources.h"

namespace quillet::e2e {
namespace {

constexpr int kPresses = 10000;
constexpr int kWarmUpPresses = 300;
// A multiple of the cycle: every sample follows a Turn OFF, long after the
// last box has gone.
constexpr int kSampleEvery = 300;
constexpr int kCycle[] = {kTurnOn, kCheckRegistry, kTurnOff};

// Bounds above the figures after warm-up.
constexpr DWORD kGuiObjectSlack = 10;
constexpr std::size_t kWindowSlack = 0;
constexpr std::size_t kPrivateByteSlack = 512 * 1024;

// The driver's polling rests 10 ms between tries; a press is over in a few
// milliseconds, and there are 10,000 of them.
template <typename Predicate>
bool SpinUntil(Predicate&& done, std::chrono::milliseconds timeout = kActionTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return done();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds{1});
    }
    return true;
}

class LoadTest : public QuilletTest {
protected:
    ::testing::AssertionResult Press(int control) {
        switch (control) {
            case kTurnOn:
                return Write(kTurnOn, DwordValue(1));
            case kTurnOff:
                return Write(kTurnOff, DwordValue(0));
            default:
                return CheckAndClose();
        }
    }

    HWND main_ = nullptr;
    DWORD pid_ = 0;

private:
    ::testing::AssertionResult Write(int control, const RegistryValue& expected) {
        PressButton(main_, control);
        if (!SpinUntil([&] { return ReadFeatureValue() == expected; })) {
            return ::testing::AssertionFailure() << "the value stayed " << Describe(ReadFeatureValue());
        }
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult CheckAndClose() {
        PressButton(main_, kCheckRegistry);
        HWND box = nullptr;
        const bool appeared = SpinUntil([&] {
            for (const HWND window : VisibleTopLevelWindows(pid_)) {
                if (window != main_) {
                    box = window;
                }
            }
            return box != nullptr;
        });
        if (!appeared) {
            return ::testing::AssertionFailure() << "no box";
        }
        const MessageBoxView view = ReadMessageBox(box);
        if (view.title != "REG_DWORD" || view.text != CheckBoxText(18, "1")) {
            return ::testing::AssertionFailure() << "the box says " << view.title << ": " << view.text;
        }
        const HWND ok = FindButton(view, "OK");
        if (ok == nullptr) {
            return ::testing::AssertionFailure() << "the box has no OK";
        }
        PressButton(ok);
        if (!SpinUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); })) {
            return ::testing::AssertionFailure() << "the box stayed open";
        }
        return ::testing::AssertionSuccess();
    }
};

std::string Figure(const std::optional<DWORD>& count) {
    return count ? std::to_string(*count) : std::string("not counted");
}

void Print(const char* when, int presses, const ResourceSample& sample) {
    std::printf("%-9s after %5d presses: USER %s, GDI %s, windows %zu, private bytes %zu\n", when, presses,
                Figure(sample.user_objects).c_str(), Figure(sample.gdi_objects).c_str(), sample.windows,
                sample.private_bytes);
}

// The largest of each figure over the samples.
ResourceSample Peak(const std::vector<ResourceSample>& samples) {
    ResourceSample peak = samples.front();
    for (const ResourceSample& sample : samples) {
        if (sample.user_objects && peak.user_objects) {
            peak.user_objects = std::max(*peak.user_objects, *sample.user_objects);
        }
        if (sample.gdi_objects && peak.gdi_objects) {
            peak.gdi_objects = std::max(*peak.gdi_objects, *sample.gdi_objects);
        }
        peak.windows = std::max(peak.windows, sample.windows);
        peak.private_bytes = std::max(peak.private_bytes, sample.private_bytes);
    }
    return peak;
}

void ExpectWithin(const std::optional<DWORD>& peak, const std::optional<DWORD>& base, const char* what) {
    if (peak && base) {
        EXPECT_LE(*peak, *base + kGuiObjectSlack) << what << " objects grew";
    }
}

TEST_F(LoadTest, TenThousandPressesKeepResourcesBoundedAndEndWithTheLastValue) {
    QuilletProcess& quillet = StartQuillet();
    main_ = quillet.WaitForMainWindow();
    ASSERT_NE(main_, nullptr);
    pid_ = quillet.Pid();
    const ProcessResources resources(pid_);
    const ResourceSample at_start = resources.Sample();
    Print("at start", 0, at_start);

    const auto started = std::chrono::steady_clock::now();
    std::vector<ResourceSample> after_warm_up;
    for (int press = 0; press < kPresses; ++press) {
        const int control = kCycle[static_cast<std::size_t>(press) % std::size(kCycle)];
        ASSERT_TRUE(Press(control)) << "press " << press + 1 << " (control " << control << ")";
        const int done = press + 1;
        if (done >= kWarmUpPresses && (done % kSampleEvery == 0 || done == kPresses)) {
            after_warm_up.push_back(resources.Sample());
            if (done == kWarmUpPresses) {
                Print("warmed up", done, after_warm_up.front());
            }
        }
    }
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started).count();

    const ResourceSample& base = after_warm_up.front();
    const ResourceSample peak = Peak(after_warm_up);
    Print("peak", kPresses, peak);
    Print("at end", kPresses, after_warm_up.back());
    std::printf("%d presses in %lld s, %zu samples\n", kPresses, static_cast<long long>(seconds),
                after_warm_up.size());
    RecordProperty("seconds", std::to_string(seconds));
    RecordProperty("private_bytes_after_warm_up", std::to_string(base.private_bytes));
    RecordProperty("private_bytes_peak", std::to_string(peak.private_bytes));

    ExpectWithin(peak.user_objects, base.user_objects, "USER");
    ExpectWithin(peak.gdi_objects, base.gdi_objects, "GDI");
    EXPECT_LE(peak.windows, base.windows + kWindowSlack) << "windows were left behind";
    EXPECT_LE(peak.private_bytes, base.private_bytes + kPrivateByteSlack) << "private bytes grew";

    EXPECT_EQ(ReadFeatureValue(), DwordValue(1)) << "the last press was Turn ON";
    PostClose(main_);
    EXPECT_EQ(quillet.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quillet::e2e
