// Start-up of the station until its login window is on screen, painted,
// against the least an SDL2 program does to show one painted window of the
// same title and size (this program run again with --bare-window). Every
// round starts each side afresh; the time runs from fork until the window's
// pixels match the frame that side settled on in its warm-up round, which is
// not counted.
//   bench_startup_bench TALLYVO DEMO [rounds]    on the X display named by DISPLAY
// The station finds DEMO through a registry store of the bench's own, the
// folder "registro" beside DEMO, so the user's store is never touched.
#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/data/archivos.h"
#include "bench/benchtable.h"
#include "core/registry.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitle = "POS - Tallyvo 2009";
constexpr int kWidth = 1024, kHeight = 768;
constexpr double kTimeoutMs = 30000;

// The bare side: one window, one frame of two colours drawn into the window's
// own surface in memory, as the station's backend presents its desktop, then
// events until killed (SDL turns SIGTERM into SDL_QUIT).
int BareWindow() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return 1;
    SDL_Window* window =
        SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth, kHeight, SDL_WINDOW_SHOWN);
    if (!window) return 1;
    auto draw = [window] {
        SDL_Surface* s = SDL_GetWindowSurface(window);
        if (!s) return;
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0x3a, 0x6e, 0xa5));
        const SDL_Rect half{kWidth / 2, 0, kWidth - kWidth / 2, kHeight};
        SDL_FillRect(s, &half, SDL_MapRGB(s->format, 0xd4, 0xd0, 0xc8));
        SDL_UpdateWindowSurface(window);
    };
    draw();
    for (SDL_Event e; SDL_WaitEvent(&e) && e.type != SDL_QUIT;)
        if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) draw();
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

// A window's pixels, colour bits only.
struct Frame {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};

// A caret's worth of pixels may differ from the settled frame.
long Slack(const Frame& f) { return long(f.pixels.size()) / 1000; }

// Pixels that differ, counted no further than limit + 1.
long Differing(const Frame& a, const Frame& b, long limit) {
    if (a.width != b.width || a.height != b.height) return limit + 1;
    long n = 0;
    for (std::size_t i = 0; i < a.pixels.size() && n <= limit; ++i) n += a.pixels[i] != b.pixels[i];
    return n;
}

bool Uniform(const Frame& f) {
    for (std::uint32_t p : f.pixels)
        if (p != f.pixels[0]) return false;
    return true;
}

// Windows vanish under the bench (a program ends): requests about them fail,
// and that is no reason to stop.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// The display, and the top-level window with the station's title mapped last.
struct Watcher {
    Display* dpy = nullptr;
    Window window = 0;
    int width = 0, height = 0;

    Watcher() {
        dpy = XOpenDisplay(nullptr);
        if (!dpy) throw std::runtime_error("cannot open the X display (DISPLAY)");
        XSetErrorHandler(IgnoreXError);
        XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
        XSync(dpy, False);
    }
    ~Watcher() { XCloseDisplay(dpy); }

    // Takes the events that arrived, waiting up to `ms` for the first.
    void Events(int ms) {
        if (!XPending(dpy)) {
            pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
            poll(&fd, 1, ms);
        }
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == MapNotify && Titled(e.xmap.window)) {
                XWindowAttributes a;
                if (!XGetWindowAttributes(dpy, e.xmap.window, &a)) continue;
                window = e.xmap.window;
                width = a.width;
                height = a.height;
            } else if (e.type == ConfigureNotify && e.xconfigure.window == window) {
                width = e.xconfigure.width;
                height = e.xconfigure.height;
            } else if (e.type == DestroyNotify && e.xdestroywindow.window == window) {
                window = 0;
            }
        }
    }

    bool Titled(Window w) {
        char* name = nullptr;
        const bool ok = XFetchName(dpy, w, &name) && name && !std::strcmp(name, kTitle);
        if (name) XFree(name);
        return ok;
    }

    // The window's pixels; false while there is no window or it just went.
    bool Grab(Frame& f) {
        if (!window) return false;
        XImage* im = XGetImage(dpy, window, 0, 0, width, height, AllPlanes, ZPixmap);
        if (!im) return false;
        if (im->bits_per_pixel != 32) {
            XDestroyImage(im);
            throw std::runtime_error("the X display needs 24 or 32 bits a pixel");
        }
        const std::uint32_t colour = std::uint32_t(im->red_mask | im->green_mask | im->blue_mask);
        f.width = width;
        f.height = height;
        f.pixels.resize(std::size_t(width) * height);
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(im->data + std::size_t(y) * im->bytes_per_line);
            for (int x = 0; x < width; ++x) f.pixels[std::size_t(y) * width + x] = row[x] & colour;
        }
        XDestroyImage(im);
        return true;
    }
};

// A started program; ended with SIGTERM, then SIGKILL after five seconds.
class Child {
public:
    explicit Child(const std::vector<std::string>& args) {
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        pid_ = fork();
        if (pid_ < 0) throw std::runtime_error("fork failed");
        if (pid_ == 0) {
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0) dup2(null, STDOUT_FILENO);
            execv(argv[0], argv.data());
            std::fprintf(stderr, "cannot run %s: %s\n", argv[0], std::strerror(errno));
            _exit(127);
        }
    }
    ~Child() { Stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // False once the program has ended.
    bool Running() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = 0;
        return pid_ > 0;
    }

    void Stop() {
        if (!Running()) return;
        kill(pid_, SIGTERM);
        for (int i = 0; i < 500 && Running(); ++i) usleep(10000);
        if (Running()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = 0;
    }

private:
    pid_t pid_ = -1;
};

// Milliseconds from fork until the program's window shows `painted` (the grab
// that saw it returned). With an empty `painted` (the warm-up) the round waits
// instead until the window has kept one frame that is not of one colour for a
// second, and keeps that frame in `painted`.
double Round(Watcher& watcher, const std::vector<std::string>& args, Frame& painted) {
    const bool settle = painted.pixels.empty();
    watcher.window = 0;
    const auto t0 = bench::Clock::now();
    Child child(args);
    double figure = -1;
    Frame frame, last;
    auto since = t0;
    while (figure < 0) {
        const double elapsed = bench::Ms(bench::Clock::now() - t0);
        if (elapsed > kTimeoutMs) throw std::runtime_error(args[0] + ": no painted window in 30 s");
        if (!child.Running()) throw std::runtime_error(args[0] + " ended before its window was painted");
        watcher.Events(settle ? 20 : 1);
        if (!watcher.Grab(frame)) continue;
        const auto now = bench::Clock::now();
        if (!settle) {
            if (Differing(frame, painted, Slack(painted)) <= Slack(painted)) figure = bench::Ms(now - t0);
        } else if (Uniform(frame) || Differing(frame, last, Slack(frame)) > Slack(frame)) {
            last = frame;
            since = now;
        } else if (bench::Ms(now - since) >= 1000) {
            painted = frame;
            figure = bench::Ms(since - t0);
        }
    }
    child.Stop();
    // The next round starts on a screen without this window.
    for (int i = 0; i < 200 && watcher.window; ++i) watcher.Events(10);
    return figure;
}

// The registry store beside the demo folder names it as the application's folder.
void PointRegistryAt(const fs::path& demo) {
    if (!fs::exists(demo / "SERVIDORES.cfg"))
        throw std::runtime_error("no demo in " + demo.string() + " (scripts/bench.sh creates it)");
    const fs::path store = demo.parent_path() / "registro";
    fs::create_directories(store);
    setenv("TALLYVO_REGISTRY_DIR", store.c_str(), 1);
    tv::TRegistry reg;
    reg.SetRootKey(tv::HKEY_LOCAL_MACHINE);
    if (!reg.OpenKey(tv::app::kClaveAplicacion, true))
        throw std::runtime_error("cannot write the registry store in " + store.string());
    reg.WriteString(tv::app::kValorDirectorio, demo.string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && !std::strcmp(argv[1], "--bare-window")) return BareWindow();
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup_bench TALLYVO DEMO [rounds]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 10;
    try {
        fs::path demo = fs::absolute(argv[2]).lexically_normal();
        if (!demo.has_filename()) demo = demo.parent_path();
        PointRegistryAt(demo);
        unsetenv("TALLYVO_BACKEND");
        const std::string size = std::to_string(kWidth) + "x" + std::to_string(kHeight);
        const std::vector<std::string> station{fs::absolute(argv[1]).string(), "--size", size};
        const std::vector<std::string> bare{fs::read_symlink("/proc/self/exe").string(), "--bare-window"};
        Watcher watcher;
        Frame login, window;
        Round(watcher, station, login);
        Round(watcher, bare, window);
        const bench::Pair p = bench::Interleave(
            rounds, [&] { return Round(watcher, station, login); }, [&] { return Round(watcher, bare, window); });
        bench::Header();
        bench::Row("start-up to the login window on screen", p, "ms");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
