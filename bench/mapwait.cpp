// selbrin-mapwait: starts a program and reports how long its first top-level
// window takes to be mapped, and how much memory the program holds a second
// later. bench/startup.sh runs it many times under a private X server.
//
//   selbrin-mapwait [--settle MS] [--timeout MS] PROGRAM [ARGS...]
//
// Prints one line: milliseconds from exec to the MapNotify of the program's
// window, then VmRSS and VmHWM in KiB, read after the settle time (1000 ms by
// default), then the processor time in milliseconds the program used, then
// milliseconds from exec to the last paint of the window within the settle
// time (its last X DAMAGE event): a window that lays itself out again after it
// is shown paints late, after its first paint. The
// program is ended with SIGTERM (SIGKILL if it lingers) after the memory is read.
// Exit status 0, or 1 when the window did not appear in time or the program
// died first.
//
// The window is recognised by its _NET_WM_PID, so windows of other clients on
// the same server are ignored. Waiting on the root window's SubstructureNotify
// sees the map as it happens; polling for the window would add its interval.
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The _NET_WM_PID of a window, or -1 when it has none.
long WindowPid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t net_wm_pid) {
  auto cookie = xcb_get_property(c, 0, w, net_wm_pid, XCB_ATOM_CARDINAL, 0, 1);
  XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, nullptr));
  if (!reply || xcb_get_property_value_length(reply.get()) < 4) return -1;
  return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

// VmRSS and VmHWM of a process in KiB.
std::pair<long, long> Memory(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  long rss = -1, hwm = -1;
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") status >> rss;
    if (key == "VmHWM:") status >> hwm;
  }
  return {rss, hwm};
}

double Milliseconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Ends the program and returns the processor time (user and system, all
// threads) it used in its whole life. SIGTERM ends a Qt program at once, with
// no clean-up, so this is mostly the start-up's work.
double Stop(pid_t pid) {
  rusage usage{};
  kill(pid, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (wait4(pid, nullptr, WNOHANG, &usage) == pid) {
      return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  wait4(pid, nullptr, 0, &usage);
  return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

// Watches the window for paints and returns the time from `start` to the last
// one seen before `until`, or -1 when it painted none.
double LastPaint(xcb_connection_t* c, xcb_window_t window, Clock::time_point start,
                 Clock::time_point until) {
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
  if (damage == nullptr || !damage->present) return -1;
  XcbReply<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
      c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
  xcb_damage_damage_t id = xcb_generate_id(c);
  xcb_damage_create(c, id, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
  xcb_flush(c);
  int fd = xcb_get_file_descriptor(c);
  double last = -1;
  while (Clock::now() < until) {
    std::unique_ptr<xcb_generic_event_t, FreeDeleter> event(xcb_poll_for_event(c));
    if (!event) {
      if (xcb_connection_has_error(c)) break;
      pollfd p{fd, POLLIN, 0};
      poll(&p, 1, 10);
      continue;
    }
    if ((event->response_type & 0x7F) == damage->first_event + XCB_DAMAGE_NOTIFY) {
      last = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
  }
  return last;
}

int Usage() {
  std::fprintf(stderr, "usage: selbrin-mapwait [--settle MS] [--timeout MS] PROGRAM [ARGS...]\n");
  return 2;
}

struct Options {
  long settle_ms = 1000;
  long timeout_ms = 20000;
  int first = 1;  // the program's index in argv
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options o;
  while (o.first + 1 < argc && std::strncmp(argv[o.first], "--", 2) == 0) {
    if (std::strcmp(argv[o.first], "--settle") == 0) {
      o.settle_ms = std::atol(argv[o.first + 1]);
    } else if (std::strcmp(argv[o.first], "--timeout") == 0) {
      o.timeout_ms = std::atol(argv[o.first + 1]);
    } else {
      return std::nullopt;
    }
    o.first += 2;
  }
  if (o.first >= argc) return std::nullopt;
  return o;
}

// Starts the program; the child does not keep the X connection.
pid_t Launch(char** program, int x_fd) {
  pid_t pid = fork();
  if (pid == 0) {
    close(x_fd);
    execvp(program[0], program);
    std::perror(program[0]);
    _exit(127);
  }
  return pid;
}

struct Mapping {
  double map_ms = -1;  // from start to the map of the program's window; -1 for none
  xcb_window_t window = XCB_WINDOW_NONE;
  bool exited = false;
};

Mapping WaitForMap(xcb_connection_t* c, xcb_atom_t net_wm_pid, pid_t pid, Clock::time_point start,
                   long timeout_ms) {
  Mapping m;
  int fd = xcb_get_file_descriptor(c);
  Clock::time_point deadline = start + std::chrono::milliseconds(timeout_ms);
  while (m.map_ms < 0 && Clock::now() < deadline) {
    std::unique_ptr<xcb_generic_event_t, FreeDeleter> event(xcb_poll_for_event(c));
    if (!event) {
      m.exited = waitpid(pid, nullptr, WNOHANG) == pid;
      if (m.exited || xcb_connection_has_error(c)) break;
      pollfd p{fd, POLLIN, 0};
      poll(&p, 1, 50);
      continue;
    }
    if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
    Clock::time_point mapped = Clock::now();
    auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
    if (WindowPid(c, map->window, net_wm_pid) == pid) {
      m.map_ms = std::chrono::duration<double, std::milli>(mapped - start).count();
      m.window = map->window;
    }
  }
  return m;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) return Usage();
  char** program = argv + options->first;

  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "selbrin-mapwait: cannot open the display\n");
    return 1;
  }
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  xcb_atom_t net_wm_pid = Atom(c, "_NET_WM_PID");  // also flushes the mask

  Clock::time_point start = Clock::now();
  pid_t pid = Launch(program, xcb_get_file_descriptor(c));
  if (pid < 0) {
    std::perror("fork");
    return 1;
  }
  Mapping m = WaitForMap(c, net_wm_pid, pid, start, options->timeout_ms);
  if (m.map_ms < 0) {
    xcb_disconnect(c);
    std::fprintf(stderr, "selbrin-mapwait: no window from %s\n", program[0]);
    if (!m.exited) Stop(pid);
    return 1;
  }

  // The paints come in the settle time; the memory is read at its end.
  double paint_ms =
      LastPaint(c, m.window, start, Clock::now() + std::chrono::milliseconds(options->settle_ms));
  xcb_disconnect(c);
  auto [rss, hwm] = Memory(pid);
  double cpu_ms = Stop(pid);
  std::printf("%.1f %ld %ld %.1f %.1f\n", m.map_ms, rss, hwm, cpu_ms, paint_ms);
  return 0;
}
