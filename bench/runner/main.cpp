// Runs Quillet and its baselines side by side under Wine, alternating
// A B A B, and prints medians and ratios as a Markdown table.
// Usage: bench_runner QUILLET.exe MINIMAL_WINDOW.exe MINIMAL_CHECK.exe [RUNS [MINIMAL_WINDOW_DLLS.exe [SAME_WORK.exe]]]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>

#include "profile_cost.h"
#include "report.h"
#include "scenarios.h"
#include "settings_file.h"

namespace quillet::bench {
namespace {

constexpr const char* kRegQuery =
    "query \"HKLM\\SOFTWARE\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_HONOR_XUNSENT_IN_FILE\" "
    "/v msimn.exe";

std::string RegExePath() {
    char directory[MAX_PATH];
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        throw std::runtime_error("GetSystemDirectoryA failed");
    }
    return std::string(directory, length) + "\\reg.exe";
}

double KiB(std::size_t bytes) { return static_cast<double>(bytes) / 1024.0; }

void Progress(const char* what) {
    std::fprintf(stderr, "bench: %s\n", what);
    std::fflush(stderr);
}

int Run(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: bench_runner QUILLET.exe MINIMAL_WINDOW.exe MINIMAL_CHECK.exe "
                     "[RUNS [MINIMAL_WINDOW_DLLS.exe [SAME_WORK.exe]]]\n");
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 20;
    const Program quillet{argv[1], ""};
    SettingsFile settings;

    // A first run stores the window's place; later runs then change nothing
    // in the file. It also tells the size the baselines' windows get.
    Progress("warming up");
    settings.Prepare(0);
    const StartSample first = MeasureStart(quillet);
    settings.KeepMainSection();
    const std::string size = std::to_string(first.window_size.cx) + " " + std::to_string(first.window_size.cy);
    const Program window{argv[2], size};
    const Program check{argv[3], size};
    const Program reg{RegExePath(), kRegQuery};
    const Program window_dlls{argc > 5 ? argv[5] : "", size};
    const Program same_work{argc > 6 ? argv[6] : "", ""};
    static_cast<void>(MeasureStart(window));
    if (!same_work.exe.empty()) {
        settings.Remove();
        static_cast<void>(MeasureStart(same_work));
    }
    static_cast<void>(MeasureCheckToBox(check));
    static_cast<void>(MeasureConsoleRun(reg));

    Comparison start{"start -> visible and idle", "quillet", {}, "minimal window", {}, "ms", 1.10};
    Comparison created{"  of which: window created", "quillet", {}, "minimal window", {}, "ms", {}};
    Comparison visible{"  of which: window visible", "quillet", {}, "minimal window", {}, "ms", {}};
    Comparison idle{"  of which: WaitForInputIdle", "quillet", {}, "minimal window", {}, "ms", {}};
    Comparison memory{"peak working set", "quillet", {}, "minimal window", {}, "KiB", {}};
    // The same minimal window with Quillet's libraries and manifest, against
    // the plain one: what loading them costs by itself.
    Comparison dlls{"  minimal window with Quillet's DLLs", "with DLLs", {}, "minimal window", {}, "ms", {}};
    Progress("start -> visible");
    for (int i = 0; i < runs; ++i) {
        settings.Prepare(0);
        const StartSample a = MeasureStart(quillet);
        const StartSample b = MeasureStart(window);
        start.a.push_back(a.ready), start.b.push_back(b.ready);
        created.a.push_back(a.created), created.b.push_back(b.created);
        visible.a.push_back(a.visible), visible.b.push_back(b.visible);
        idle.a.push_back(a.idle), idle.b.push_back(b.idle);
        memory.a.push_back(KiB(a.peak_working_set)), memory.b.push_back(KiB(b.peak_working_set));
        if (!window_dlls.exe.empty()) {
            dlls.a.push_back(MeasureStart(window_dlls).ready), dlls.b.push_back(b.ready);
        }
    }

    // Quillet against the same start-up work done by one plain program, both
    // on a first run (no settings file): what Quillet's own structure costs.
    Comparison same{"start -> visible and idle, first run", "quillet", {}, "same work", {}, "ms", 1.03};
    Comparison same_created{"  of which: window created, first run", "quillet", {}, "same work", {}, "ms", {}};
    Comparison same_visible{"  of which: window visible, first run", "quillet", {}, "same work", {}, "ms", {}};
    SIZE quillet_size{}, same_work_size{};
    if (!same_work.exe.empty()) {
        Progress("start -> visible, against the same work");
        for (int i = 0; i < runs; ++i) {
            settings.Remove();
            const StartSample a = MeasureStart(quillet);
            settings.Remove();
            const StartSample b = MeasureStart(same_work);
            same.a.push_back(a.ready), same.b.push_back(b.ready);
            same_created.a.push_back(a.created), same_created.b.push_back(b.created);
            same_visible.a.push_back(a.visible), same_visible.b.push_back(b.visible);
            quillet_size = a.window_size, same_work_size = b.window_size;
        }
    }

    Comparison box{"Check Registry -> box visible", "quillet", {}, "minimal check", {}, "ms", 1.2};
    Progress("check -> box");
    for (int i = 0; i < runs; ++i) {
        settings.Prepare(0);
        box.a.push_back(MeasureCheckToBox(quillet));
        box.b.push_back(MeasureCheckToBox(check));
    }

    Comparison task{"look at the value (whole task)", "quillet", {}, "reg query", {}, "ms", {}};
    Comparison task_ready{"  of which: until visible and idle", "quillet", {}, "-", {}, "ms", {}};
    Comparison task_box{"  of which: press -> box visible", "quillet", {}, "-", {}, "ms", {}};
    Comparison task_ok{"  of which: OK -> box hidden", "quillet", {}, "-", {}, "ms", {}};
    Comparison task_close{"  of which: WM_CLOSE -> end", "quillet", {}, "-", {}, "ms", {}};
    Progress("whole task");
    for (int i = 0; i < runs; ++i) {
        settings.Prepare(0);
        const TaskSample a = MeasureWholeTask(quillet);
        task.a.push_back(a.total);
        task_ready.a.push_back(a.ready);
        task_box.a.push_back(a.box - a.ready);
        task_ok.a.push_back(a.box_gone - a.box);
        task_close.a.push_back(a.total - a.box_gone);
        task.b.push_back(MeasureConsoleRun(reg));
    }

    Comparison hundred{"start + close, 100 records", "100", {}, "0 records", {}, "ms", {}};
    Comparison thousand{"start + close, 1000 records", "1000", {}, "0 records", {}, "ms", 2.0};
    Comparison thousand_ready{"  of which: start -> visible, 1000 records", "1000", {}, "0 records", {}, "ms", {}};
    Comparison thousand_closing{"  of which: WM_CLOSE -> end, 1000 records", "1000", {}, "0 records", {}, "ms", {}};
    int rewritten = 0;
    Progress("bookkeeping records");
    for (int i = 0; i < runs; ++i) {
        settings.Prepare(0);
        const StartCloseSample none = MeasureStartAndClose(quillet);
        rewritten += settings.WasRewritten() ? 1 : 0;
        hundred.b.push_back(none.total), thousand.b.push_back(none.total);
        thousand_ready.b.push_back(none.ready), thousand_closing.b.push_back(none.closing);
        settings.Prepare(100);
        hundred.a.push_back(MeasureStartAndClose(quillet).total);
        rewritten += settings.WasRewritten() ? 1 : 0;
        settings.Prepare(1000);
        const StartCloseSample full = MeasureStartAndClose(quillet);
        rewritten += settings.WasRewritten() ? 1 : 0;
        thousand.a.push_back(full.total);
        thousand_ready.a.push_back(full.ready), thousand_closing.a.push_back(full.closing);
    }

    Comparison service{"  profile service alone: 1000 reads", "reads", {}, "-", {}, "ms", {}};
    Comparison service_writes{"  profile service alone: 1000 same writes", "writes", {}, "-", {}, "ms", {}};
    Progress("profile service alone");
    for (int i = 0; i < runs; ++i) {
        settings.Prepare(1000);
        const ProfileCost cost = MeasureProfileCost(1000);
        service.a.push_back(cost.reads), service_writes.a.push_back(cost.writes);
    }
    settings.Prepare(0);

    std::printf("runs per program: %d, alternating A B\n\n", runs);
    PrintHeader();
    for (const Comparison* row : {&start, &created, &visible, &idle, &dlls, &same, &same_created, &same_visible, &box,
                                  &task, &task_ready, &task_box, &task_ok, &task_close, &memory, &hundred, &thousand,
                                  &thousand_ready, &thousand_closing, &service, &service_writes}) {
        PrintRow(*row);
    }
    std::printf("\nruns that rewrote Quillet.INI: %d of %d\n", rewritten, 3 * runs);
    if (!same_work.exe.empty()) {
        std::printf("window size, first run: quillet %ldx%ld, same work %ldx%ld\n", quillet_size.cx, quillet_size.cy,
                    same_work_size.cx, same_work_size.cy);
    }
    return 0;
}

}  // namespace
}  // namespace quillet::bench

int main(int argc, char** argv) {
    try {
        return quillet::bench::Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_runner: %s\n", error.what());
        return 1;
    }
}
