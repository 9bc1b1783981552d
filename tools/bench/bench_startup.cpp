// How long Horalo takes from launch to its main menu on screen, beside a bare Qt Widgets program
// showing an empty main window on the same machine. Each program is started N times (default
// 20, or the first argument; a second names another build of Horalo to time, to compare a change
// with the program before it) on the offscreen platform with a settings folder of its own; the
// time is taken from the start of the process to the moment it writes "shown" (the first paint
// of its window: HORALO_QUIT_WHEN_SHOWN in app/main.cpp). Prints the medians and their ratio.
// The aim is a ratio within 1.2. An empty window draws no text and so never loads the system's
// fonts; the same bare window with one label is timed too, to tell that share from Horalo's own.
// Not a test: run it by hand, on a machine otherwise at rest.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Milliseconds from starting the program to its "shown", or a negative number when it never said it.
double timeToShown(const char *program, const std::string &settings, const char *argument = nullptr)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        // Qt's notes about the session (no runtime folder) are not what is timed.
        if (FILE *quiet = std::freopen("/dev/null", "w", stderr); !quiet)
            _exit(127);
        close(out[0]);
        close(out[1]);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("HORALO_QUIT_WHEN_SHOWN", "1", 1);
        setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
        execl(program, program, argument, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string said;
    char buffer[256];
    double ms = -1;
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, static_cast<std::size_t>(n));
        if (said.find("shown") != std::string::npos) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            break;
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const char *horaloBinary = argc > 2 ? argv[2] : HORALO_BINARY;
    char folder[] = "/tmp/bench_startup_XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("bench_startup");
        return 1;
    }
    const std::string settings = folder;
    std::vector<double> bare, labelled, horalo;
    // One run of each first, unmeasured, so that both start from a warm disk cache; then the two
    // alternate, so that a change in the machine's load falls on both alike.
    timeToShown(BARE_WINDOW_BINARY, settings);
    timeToShown(horaloBinary, settings);
    for (int i = 0; i < runs; ++i) {
        const double b = timeToShown(BARE_WINDOW_BINARY, settings);
        const double l = timeToShown(BARE_WINDOW_BINARY, settings, "--label");
        const double h = timeToShown(horaloBinary, settings);
        if (b < 0 || l < 0 || h < 0) {
            std::fprintf(stderr, "bench_startup: a program never showed its window\n");
            return 1;
        }
        bare.push_back(b);
        labelled.push_back(l);
        horalo.push_back(h);
    }
    std::system((std::string("rm -rf ") + folder).c_str());
    const double b = median(bare), l = median(labelled), h = median(horalo);
    const auto best = [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); };
    std::printf("runs %d\n", runs);
    std::printf("bare Qt main window, empty       median %7.1f ms  best %7.1f ms\n", b, best(bare));
    std::printf("bare Qt main window, one label   median %7.1f ms  best %7.1f ms\n", l, best(labelled));
    std::printf("Horalo main menu                 median %7.1f ms  best %7.1f ms\n", h, best(horalo));
    std::printf("ratio to the empty window %.2f (aim: 1.20 or less); to the labelled one %.2f\n", h / b, h / l);
    return 0;
}
