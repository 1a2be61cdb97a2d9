// The benchmark's build of Typelens: each start-up phase's end, in milliseconds since the process
// was created, appended as one line to the file that TYPELENS_PHASES_FILE names once the window
// has drawn itself.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/phases.h"

namespace typelens {
namespace {

double Milliseconds(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 1e4;
}

}  // namespace

void StartupPhase(const char* name) {
    static std::string line;
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    char entry[96];
    std::snprintf(entry, sizeof entry, "%s=%.2f\t", name,
                  Milliseconds(now) - Milliseconds(created));
    line += entry;
    if (std::string(name) != "first paint") return;
    char file[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("TYPELENS_PHASES_FILE", file, MAX_PATH)) return;
    if (FILE* out = std::fopen(file, "a")) {
        std::fprintf(out, "%s\n", line.c_str());
        std::fclose(out);
    }
    line.clear();
}

}  // namespace typelens
