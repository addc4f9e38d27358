// Starts a program and prints the milliseconds from its start to the first top-level
// window it maps on the X display, and the milliseconds its main thread ran on a CPU by
// then (which a busy machine stretches far less), then ends it:
//   map_watch PROGRAM [ARGS...]
// The X server tells of the map itself (SubstructureNotify on the root window), so
// nothing is polled and the program is not changed.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    // A display just started may take a moment to take connections.
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    for (int tries = 0; xcb_connection_has_error(x) && tries < 100; ++tries) {
        xcb_disconnect(x);
        usleep(50000);
        x = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "map_watch: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
        if (!mapped) continue;
        const auto elapsed = std::chrono::steady_clock::now() - start;
        // The first field of schedstat: nanoseconds on a CPU.
        double cpu_ns = 0;
        std::ifstream(("/proc/" + std::to_string(child) + "/schedstat").c_str()) >> cpu_ns;
        std::printf("%.1f %.1f\n", std::chrono::duration<double, std::milli>(elapsed).count(),
                    cpu_ns / 1e6);
        status = 0;
        break;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return status;
}
