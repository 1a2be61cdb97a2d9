#include "tests/e2e/harness.h"

#include "app/design.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace typelens::e2e {
namespace fs = std::filesystem;

namespace {

void Require(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(what);
}

std::string Trim(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

// With TYPELENS_E2E_TRACE set, every command the tests run is logged with its duration.
struct Trace {
    const char* on = std::getenv("TYPELENS_E2E_TRACE");
    std::string what;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    explicit Trace(const std::vector<std::string>& argv) {
        for (const std::string& a : argv) what += a.substr(0, 40) + " ";
    }
    ~Trace() {
        if (!on) return;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        fprintf(stderr, "[%6.2fs] %s\n", took.count(), what.c_str());
    }
};

// Runs a Linux command to its end and returns its exit status.
int Run(const std::vector<std::string>& argv, std::string* output = nullptr) {
    const Trace trace(argv);
    Child child(argv, "", output != nullptr);
    if (output) {
        child.closeInput();
        char buffer[4096];
        std::size_t got;
        while ((got = fread(buffer, 1, sizeof buffer, child.out())) > 0)
            output->append(buffer, got);
    }
    return child.wait(120);
}

}  // namespace

Child::Child(const std::vector<std::string>& argv, const std::string& cwd, bool pipes,
             const std::string& output) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int toChild[2] = {-1, -1}, fromChild[2] = {-1, -1};
    if (pipes) {
        Require(pipe(toChild) == 0 && pipe(fromChild) == 0, "pipe");
        posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) {
            posix_spawn_file_actions_addclose(&actions, fd);
        }
    } else {
        // Wine's services outlive the program that started them and keep its output open.
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, output.empty() ? "/dev/null" : output.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    const std::string here = fs::current_path();
    if (!cwd.empty()) fs::current_path(cwd);
    const int failed = posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ);
    if (!cwd.empty()) fs::current_path(here);
    posix_spawn_file_actions_destroy(&actions);
    Require(failed == 0, "cannot start " + argv[0]);
    if (pipes) {
        close(toChild[0]);
        close(fromChild[1]);
        in_ = fdopen(toChild[1], "w");
        out_ = fdopen(fromChild[0], "r");
    }
}

Child::~Child() {
    kill();
    if (in_) fclose(in_);
    if (out_) fclose(out_);
}

void Child::closeInput() {
    if (in_) fclose(in_);
    in_ = nullptr;
}

bool Child::running() {
    return wait(0) == -1;
}

int Child::wait(double seconds) {
    if (pid_ < 0) return status_;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return status_;
        }
        if (std::chrono::steady_clock::now() >= end) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void Child::kill() {
    if (pid_ < 0) return;
    ::kill(pid_, SIGKILL);
    wait(10);
}

Desktop::Desktop(const std::string& name, const std::map<char, std::string>& drives) {
    prefix_ = std::string(TYPELENS_E2E_WORK) + "/" + name;
    Require(Run({TYPELENS_SCRIPTS "/clone-prefix.sh", TYPELENS_WINE_TEMPLATE, prefix_}) == 0,
            "cannot copy the Wine prefix; is the test run's Wine session up?");
    // Wine learns its drives when it starts.
    for (const auto& [letter, target] : drives) {
        fs::create_directory_symlink(
            target, prefix_ + "/dosdevices/" + static_cast<char>(std::tolower(letter)) + ":");
    }
    int fds[2];
    Require(pipe(fds) == 0, "pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {"Xvfb",         "-displayfd", "3",   "-screen", "0",
                          "1280x1024x24", "-nolisten",  "tcp", nullptr};
    Require(posix_spawnp(&xvfb_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ) == 0,
            "cannot start Xvfb");
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    char number[16] = {};
    const ssize_t got = read(fds[0], number, sizeof number - 1);
    close(fds[0]);
    Require(got > 0, "Xvfb did not say its display");
    display_ = std::string(1, ':').append(Trim(number));

    setenv("WINEPREFIX", prefix_.c_str(), 1);
    setenv("DISPLAY", display_.c_str(), 1);
    setenv("WINEDEBUG", "-all", 1);
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
    Run({"wineserver", "-p"});
    // The prefix's services and desktop start now, with no output to hold on to.
    wine({TYPELENS_PROBE, "warm-up"});
    bellWatch_ = std::make_unique<Child>(std::vector<std::string>{TYPELENS_BELLWATCH}, "", false,
                                         prefix_ + "/bells.txt");
    Require(WaitFor([&] {
                std::string first;
                std::getline(std::ifstream(prefix_ + "/bells.txt"), first);
                return first == "ready";
            }),
            "the bell watch did not start");
}

int Desktop::bells() const {
    std::ifstream file(prefix_ + "/bells.txt");
    int count = 0;
    for (std::string line; std::getline(file, line);) count += line == "bell";
    return count;
}

Desktop::~Desktop() {
    bellWatch_.reset();
    Run({"wineserver", "-k"});
    if (xvfb_ > 0) {
        ::kill(xvfb_, SIGTERM);
        waitpid(xvfb_, nullptr, 0);
    }
    std::error_code ignored;
    fs::remove_all(prefix_, ignored);
}

std::string Desktop::hostPath(const std::string& windowsPath) const {
    Require(windowsPath.size() >= 3 && windowsPath[1] == ':', "not a Windows path: " + windowsPath);
    std::string rest = windowsPath.substr(3);
    for (char& c : rest) c = c == '\\' ? '/' : c;
    const char drive = static_cast<char>(std::tolower(windowsPath[0]));
    return prefix_ + "/dosdevices/" + drive + ":/" + rest;
}

void Desktop::writeFile(const std::string& windowsPath, const std::string& bytes) const {
    const fs::path path = hostPath(windowsPath);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void Desktop::makeFolder(const std::string& windowsPath) const {
    fs::create_directories(hostPath(windowsPath));
}

std::string Desktop::readFile(const std::string& windowsPath) const {
    std::ifstream file(hostPath(windowsPath), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool Desktop::exists(const std::string& windowsPath) const {
    return fs::exists(fs::symlink_status(hostPath(windowsPath)));
}

int Desktop::wine(const std::vector<std::string>& args, std::string* output) const {
    std::vector<std::string> argv{"wine"};
    argv.insert(argv.end(), args.begin(), args.end());
    return Run(argv, output);
}

// The X server takes fake pointer motion and clicks in order, so a click lands where the
// pointer was just sent; waiting for the motion (--sync) hangs when the pointer is there already.
void Desktop::click(int x, int y) const {
    Run({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"});
}

void Desktop::moveMouse(int x, int y) const {
    Run({"xdotool", "mousemove", std::to_string(x), std::to_string(y)});
}

void Desktop::doubleClick(int x, int y) const {
    Run({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "--repeat", "2",
         "--delay", "90", "1"});
}

void Desktop::key(const std::string& keys) const {
    Run({"xdotool", "key", "--delay", "60", keys});
}

void Desktop::type(const std::string& text) const {
    Run({"xdotool", "type", "--delay", "60", text});
}

void Desktop::screenshot(const std::string& file, const ScreenRect& area) const {
    fs::create_directories(fs::path(file).parent_path());
    std::ostringstream crop;
    crop << area.width << 'x' << area.height << '+' << area.x << '+' << area.y;
    Require(Run({"import", "-silent", "-display", display_, "-window", "root", "-crop", crop.str(),
                 "+repage", file}) == 0,
            "screenshot failed");
}

Probe::Probe(const Desktop&) : child_({"wine", TYPELENS_PROBE}, "", true) {}

Probe::~Probe() {
    fputs("quit\n", child_.in());
    fflush(child_.in());
    child_.wait(5);
}

std::vector<Row> Probe::ask(const std::string& command) {
    const Trace trace({"probe", command});
    fputs((command + "\n").c_str(), child_.in());
    fflush(child_.in());
    std::vector<Row> rows;
    char buffer[8192];
    while (fgets(buffer, sizeof buffer, child_.out())) {
        std::string line = Trim(buffer);
        if (line == ".") return rows;
        Row row;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) row.push_back(field);
        if (line.empty() || line.back() == '\t') row.push_back("");
        rows.push_back(row);
    }
    throw std::runtime_error("the probe stopped answering");
}

std::string Probe::one(const std::string& command) {
    const auto rows = ask(command);
    return rows.empty() || rows[0].empty() ? "" : rows[0][0];
}

Typelens::Typelens(const Desktop& desktop, Probe& probe, const std::string& startIn)
    : desktop_(desktop),
      probe_(probe),
      child_({"wine", TYPELENS_EXE}, desktop.hostPath(startIn), false) {
    window_ = probe_.one("wait-window Typelens.Glyphora 30");
    Require(!window_.empty(), "the main window did not appear");
}

std::string Typelens::control(int id) {
    return probe_.one("child " + window_ + " " + std::to_string(id));
}

ScreenRect Typelens::clientOnScreen() {
    const auto rows = probe_.ask("window " + window_);
    Require(!rows.empty() && rows[0].size() >= 5, "no such window");
    return RectAt(rows[0], 1);
}

ScreenRect Typelens::controlOnScreen(int id) {
    const ScreenRect client = clientOnScreen();
    for (const Row& row : probe_.ask("children " + window_)) {
        if (row.at(0) != std::to_string(id)) continue;
        ScreenRect r = RectAt(row, 2);
        r.x += client.x;
        r.y += client.y;
        return r;
    }
    throw std::runtime_error("no control " + std::to_string(id));
}

ScreenRect Typelens::frame() {
    return RectAt(probe_.ask("window " + window_).at(0), 5);
}

namespace {

TreeNode NodeFrom(const Row& row) {
    return {std::stoi(row.at(0)), row.at(1),     row.at(2), row.at(3) == "1",
            std::stoi(row.at(4)), RectAt(row, 5)};
}

}  // namespace

std::vector<TreeNode> Typelens::tree() {
    std::vector<TreeNode> nodes;
    for (const Row& row : probe_.ask("tree-items " + control(control_id::Dir1))) {
        nodes.push_back(NodeFrom(row));
    }
    return nodes;
}

std::optional<TreeNode> Typelens::node(const std::string& key) {
    const auto rows = probe_.ask("tree-node " + control(control_id::Dir1) + " " + key);
    if (rows.empty()) return std::nullopt;
    return NodeFrom(rows[0]);
}

std::size_t Typelens::fileCount() {
    return std::stoul(probe_.one("count " + control(control_id::File1)));
}

ScreenRect Typelens::nodeOnScreen(const std::string& key) {
    const auto rows = probe_.ask("tree-show " + control(control_id::Dir1) + " " + key);
    Require(!rows.empty(), "no node " + key);
    ScreenRect at = NodeFrom(rows[0]).at;
    const ScreenRect tree = controlOnScreen(control_id::Dir1);
    const int right = std::min(at.x + at.width, tree.x + tree.width - 4);
    at.width = std::max(1, right - at.x);
    return at;
}

std::map<std::string, ScreenRect> Typelens::files() {
    std::map<std::string, ScreenRect> items;
    for (const Row& row : probe_.ask("list-items " + control(control_id::File1))) {
        items[row.at(0)] = RectAt(row, 2);
    }
    return items;
}

ScreenRect Typelens::button(int command) {
    for (const Row& row : probe_.ask("toolbar " + control(control_id::Toolbar1))) {
        if (row.at(0) == std::to_string(command)) return RectAt(row, 4);
    }
    throw std::runtime_error("no toolbar button " + std::to_string(command));
}

void Typelens::click(const ScreenRect& where) const {
    desktop_.click(where.centerX(), where.centerY());
}

bool Typelens::pick(int comboId, const std::string& prefix) {
    const std::string combo = control(comboId);
    int index = 0;
    const auto entries = probe_.ask("combo-items " + combo);
    while (index < static_cast<int>(entries.size()) && entries[index].at(0).rfind(prefix, 0) != 0) {
        ++index;
    }
    if (index == static_cast<int>(entries.size())) return false;
    const ScreenRect box = controlOnScreen(comboId);
    desktop_.click(box.x + box.width - 6, box.centerY());  // the arrow
    const std::string where = "combo-entry " + combo + " " + std::to_string(index);
    if (!WaitFor([&] { return !probe_.ask(where).empty(); })) return false;
    click(RectAt(probe_.ask(where).at(0), 0));
    return true;
}

std::string Typelens::text(int id) {
    return probe_.one("text " + control(id));
}

bool Typelens::closeAndWait(double seconds) {
    probe_.ask("close " + window_);
    return child_.wait(seconds) != -1;
}

bool WaitFor(const std::function<bool()>& condition, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

ScreenRect RectAt(const Row& row, std::size_t first) {
    Require(row.size() >= first + 4, "a row without a rectangle");
    return {std::stoi(row[first]), std::stoi(row[first + 1]), std::stoi(row[first + 2]),
            std::stoi(row[first + 3])};
}

std::string ScreenshotPath(const std::string& name) {
    return std::string(TYPELENS_SCREENSHOTS) + "/" + name;
}

long DifferingPixels(const std::string& a, const std::string& b) {
    std::string output;
    // compare prints the count on stderr; "2>&1" through a shell keeps this simple.
    Run({"sh", "-c", "compare -metric AE '" + a + "' '" + b + "' null: 2>&1"}, &output);
    try {
        return std::stol(output);
    } catch (...) {
        return -1;
    }
}

}  // namespace typelens::e2e
