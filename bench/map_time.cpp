// SPDX-License-Identifier: MIT
// Times a program from its start to its window being mapped on the X server
// (DISPLAY), for the bare Qt window and for the launcher on an empty Roms
// folder, in turn, so that the machine's drift touches both alike. Each run
// spawns the program, waits for the MapNotify of a top-level window carrying
// its pid, lets it settle (first paint and whatever else it does after the
// map), reads its peak RSS (VmHWM) and ends it; the CPU time it used by then
// tells work removed from work only moved past the map.
//
// The launcher runs from a copy beside an empty Roms folder, with a settings
// folder (XDG_CONFIG_HOME) of its own, both temporary: the user's settings are
// never read or written.
//
// Usage: zoot-map-time [--runs N] BARE_WINDOW ZOOTFRONT
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kMapTimeout = std::chrono::seconds(10);
constexpr auto kSettle = std::chrono::milliseconds(300);
constexpr int kWarmUpRuns = 2;

struct Run {
    double ms;
    double peakMiB;
    double cpuMs;
};

struct Program {
    const char *label;
    std::string path;
    std::vector<Run> runs;
};

// The X server, watched for top-level windows being mapped.
class MapWatch {
public:
    MapWatch()
    {
        int screenNumber = 0;
        m_connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_connection))
            return;
        xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screen);
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, screen.data->root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t *atom =
            xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, sizeof name - 1, name), nullptr);
        if (atom)
            m_pidAtom = atom->atom;
        std::free(atom);
        xcb_flush(m_connection);
    }
    ~MapWatch() { xcb_disconnect(m_connection); }

    bool ok() const { return !xcb_connection_has_error(m_connection) && m_pidAtom != XCB_NONE; }

    // Forgets what was mapped, unmapped or destroyed so far.
    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            std::free(event);
    }

    // When a top-level window of process pid was mapped, or nothing by the deadline.
    std::optional<Clock::time_point> waitForMap(pid_t pid, Clock::time_point deadline)
    {
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const Clock::time_point now = Clock::now();
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                std::free(event);
                if (mapped && pidOf(window) == pid)
                    return now;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0 || xcb_connection_has_error(m_connection))
                return std::nullopt;
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            ::poll(&fd, 1, int(left.count()));
        }
    }

private:
    pid_t pidOf(xcb_window_t window)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        pid_t pid = -1;
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
            pid = pid_t(*static_cast<uint32_t *>(xcb_get_property_value(reply)));
        std::free(reply);
        return pid;
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_atom_t m_pidAtom = XCB_NONE;
};

// The high-water mark of a process's resident memory, in MiB.
double peakRssMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    }
    return -1;
}

// One run: the time from spawning program to its window being mapped.
std::optional<Run> timeOne(MapWatch &watch, const std::string &program, char *const *environment,
                           const fs::path &log)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};

    watch.drain();
    pid_t pid = -1;
    const Clock::time_point start = Clock::now();
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environment);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(failed));
        return std::nullopt;
    }
    const std::optional<Clock::time_point> mapped = watch.waitForMap(pid, start + kMapTimeout);
    std::optional<Run> run;
    if (mapped) {
        std::this_thread::sleep_for(kSettle);
        run = Run{std::chrono::duration<double, std::milli>(*mapped - start).count(), peakRssMiB(pid), 0};
    } else {
        std::fprintf(stderr, "%s mapped no window within %lld s; its output:\n", program.c_str(),
                     (long long)kMapTimeout.count());
        std::ifstream output(log);
        std::fprintf(stderr, "%s\n", std::string(std::istreambuf_iterator<char>(output), {}).c_str());
    }
    ::kill(pid, SIGTERM);
    rusage usage{};
    ::wait4(pid, nullptr, 0, &usage);
    if (run) {
        const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
        run->cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    }
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<double> field(const std::vector<Run> &runs, double Run::*member)
{
    std::vector<double> values;
    for (const Run &run : runs)
        values.push_back(run.*member);
    return values;
}

// An application folder of the launcher's own beside an empty Roms folder,
// with a settings folder of its own, and the environment both programs run in.
struct Surroundings {
    fs::path work;
    std::string launcher;
    std::vector<std::string> variables;
    std::vector<char *> environment;

    explicit Surroundings(const std::string &built)
    {
        char pattern[] = "/tmp/zoot-map-time-XXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error(std::string("mkdtemp: ") + std::strerror(errno));
        work = pattern;
        fs::create_directories(work / "app" / "Roms");
        fs::create_directories(work / "config");
        launcher = (work / "app" / "ZOOTfront").string();
        fs::copy_file(built, launcher);
        for (char **variable = environ; *variable; ++variable) {
            if (std::strncmp(*variable, "QT_QPA_PLATFORM=", 16) != 0 && std::strncmp(*variable, "XDG_CONFIG_HOME=", 16) != 0)
                variables.emplace_back(*variable);
        }
        variables.push_back("QT_QPA_PLATFORM=xcb");
        variables.push_back("XDG_CONFIG_HOME=" + (work / "config").string());
        for (std::string &variable : variables)
            environment.push_back(variable.data());
        environment.push_back(nullptr);
    }
    ~Surroundings() { fs::remove_all(work); }
};

// Runs each program in turn, runs times after the warm-up; false when one
// did not map its window.
bool runInTurn(MapWatch &watch, const Surroundings &surroundings, std::vector<Program *> programs, int runs)
{
    for (int i = 0; i < kWarmUpRuns + runs; ++i) {
        for (Program *program : programs) {
            const std::optional<Run> run =
                timeOne(watch, program->path, surroundings.environment.data(), surroundings.work / "output.log");
            if (!run)
                return false;
            if (i >= kWarmUpRuns)
                program->runs.push_back(*run);
        }
    }
    return true;
}

void printTables(const Program &bare, const Program &launcher, int runs)
{
    std::printf("Start to the window being mapped on the X server, %d runs of each in turn "
                "(after %d not counted); CPU time and peak RSS after the first paint:\n\n",
                runs, kWarmUpRuns);
    std::printf("| program | to the window mapped, median (min–max) | CPU time, median | peak RSS, median |\n");
    std::printf("| --- | ---: | ---: | ---: |\n");
    for (const Program *program : {&bare, &launcher}) {
        const std::vector<double> ms = field(program->runs, &Run::ms);
        std::printf("| %s | %.1f ms (%.1f–%.1f) | %.0f ms | %.1f MiB |\n", program->label, median(ms),
                    *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()),
                    median(field(program->runs, &Run::cpuMs)), median(field(program->runs, &Run::peakMiB)));
    }
    const double bareMs = median(field(bare.runs, &Run::ms));
    const double launcherMs = median(field(launcher.runs, &Run::ms));
    std::printf("\n| case | measure | result | target |\n| --- | --- | ---: | ---: |\n");
    std::printf("| empty `Roms` | time to the window mapped ÷ bare Qt window | %.1f ms ÷ %.1f ms = %.2f× | ≤ 1.3× |\n",
                launcherMs, bareMs, launcherMs / bareMs);
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 31;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            programs.emplace_back(argv[i]);
    }
    if (programs.size() != 2) {
        std::fprintf(stderr, "Usage: %s [--runs N] BARE_WINDOW ZOOTFRONT\n", argv[0]);
        return 2;
    }
    MapWatch watch;
    if (!watch.ok()) {
        std::fprintf(stderr, "%s: cannot watch the X server (DISPLAY=%s)\n", argv[0],
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }
    const Surroundings surroundings(programs[1]);
    Program bare{"bare Qt window, same size and caption", programs[0], {}};
    Program launcher{"ZOOTfront, empty `Roms`", surroundings.launcher, {}};
    if (!runInTurn(watch, surroundings, {&bare, &launcher}, runs))
        return 1;
    printTables(bare, launcher, runs);
    return 0;
}
