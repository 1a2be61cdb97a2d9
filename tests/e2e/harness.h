// Drives the real Typelens.exe from outside: a fresh Wine prefix on its own virtual display,
// real mouse and keys through xdotool, and the probe to read the live windows.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace typelens::e2e {

using Row = std::vector<std::string>;

struct ScreenRect {
    int x = 0, y = 0, width = 0, height = 0;
    int centerX() const { return x + width / 2; }
    int centerY() const { return y + height / 2; }
};

// A process started by the tests; killed if still running when it goes out of scope.
class Child {
  public:
    // With `pipes` the child's input and output are ours to use; else its output goes to
    // `output` (a file) or nowhere.
    Child(const std::vector<std::string>& argv, const std::string& cwd, bool pipes,
          const std::string& output = "");
    Child(Child&&) = delete;
    ~Child();
    bool running();
    // The exit status, or -1 when the process is still running after `seconds`.
    int wait(double seconds);
    void kill();
    FILE* in() const { return in_; }
    void closeInput();
    FILE* out() const { return out_; }

  private:
    pid_t pid_ = -1;
    int status_ = -1;
    FILE* in_ = nullptr;
    FILE* out_ = nullptr;
};

// A Wine prefix cloned from the test run's freshly booted one, with a display of its own.
class Desktop {
  public:
    // `drives` adds drive letters, each pointing at a folder of the Linux side (which need not
    // exist: a drive that is not ready).
    explicit Desktop(const std::string& name, const std::map<char, std::string>& drives = {});
    ~Desktop();

    std::string hostPath(const std::string& windowsPath) const;
    void writeFile(const std::string& windowsPath, const std::string& bytes) const;
    void makeFolder(const std::string& windowsPath) const;
    std::string readFile(const std::string& windowsPath) const;
    bool exists(const std::string& windowsPath) const;
    // Runs a Windows program to its end; returns its exit status, its output in `output`.
    int wine(const std::vector<std::string>& args, std::string* output = nullptr) const;
    const std::string& prefix() const { return prefix_; }
    const std::string& display() const { return display_; }

    void click(int x, int y) const;
    void moveMouse(int x, int y) const;
    void doubleClick(int x, int y) const;
    void key(const std::string& keys) const;
    void type(const std::string& text) const;
    // Saves `area` of the screen as a PNG.
    void screenshot(const std::string& file, const ScreenRect& area) const;
    // How often the display's bell has rung since the desktop started.
    int bells() const;

  private:
    std::string prefix_;
    std::string display_;
    pid_t xvfb_ = -1;
    std::unique_ptr<Child> bellWatch_;
};

class Probe {
  public:
    explicit Probe(const Desktop& desktop);
    ~Probe();
    std::vector<Row> ask(const std::string& command);
    // The first field of the first row, or "" when the answer was empty.
    std::string one(const std::string& command);

  private:
    Child child_;
};

struct TreeNode {
    int depth = 0;
    std::string text, key;
    bool expanded = false;
    int children = 0;
    ScreenRect at;  // empty while the node is scrolled or folded away
};

// The program under test, started as a user would start it (from C:\ unless told otherwise).
class Typelens {
  public:
    Typelens(const Desktop& desktop, Probe& probe, const std::string& startIn = "C:\\");
    std::string window() const { return window_; }
    std::string control(int id);
    ScreenRect clientOnScreen();
    // The whole window, frame and caption included.
    ScreenRect frame();
    // Where a control of the main window is on the screen now.
    ScreenRect controlOnScreen(int id);
    std::string text(int id);
    std::vector<TreeNode> tree();
    std::optional<TreeNode> node(const std::string& key);
    // Scrolls the tree to the node and says where it can be clicked, inside the tree.
    ScreenRect nodeOnScreen(const std::string& key);
    // The font files listed, by their text.
    std::map<std::string, ScreenRect> files();
    std::size_t fileCount();
    ScreenRect button(int command);
    // A real click in the middle of `where`.
    void click(const ScreenRect& where) const;
    // Drops a combo box's list and clicks the first entry that starts with `prefix`.
    bool pick(int comboId, const std::string& prefix);
    // Closes the main window and waits for the process to end by itself.
    bool closeAndWait(double seconds);
    bool running() { return child_.running(); }

  private:
    const Desktop& desktop_;
    Probe& probe_;
    Child child_;
    std::string window_;
};

// Polls `condition` until it holds or `seconds` pass.
bool WaitFor(const std::function<bool()>& condition, double seconds = 10);

ScreenRect RectAt(const Row& row, std::size_t first);

// Where the tests keep their screenshots for people to look at.
std::string ScreenshotPath(const std::string& name);

// How many pixels two PNG files of the same size differ in.
long DifferingPixels(const std::string& a, const std::string& b);

}  // namespace typelens::e2e
