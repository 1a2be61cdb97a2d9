// The benchmark's build of Typelens (and of the floor): each start-up phase's end, in milliseconds
// since the launch (the system time TYPELENS_PHASES_LAUNCH gives, in 100 ns units), appended as
// one line to the file that TYPELENS_PHASES_FILE names once the window has drawn itself. The
// first phase ends when the system had created the process.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/phases.h"

namespace typelens {
namespace {

double Milliseconds(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 1e4;
}

std::string Entry(const char* name, double ms) {
    char entry[96];
    std::snprintf(entry, sizeof entry, "%s=%.2f\t", name, ms);
    return entry;
}

}  // namespace

void StartupPhase(const char* name) {
    static std::string line;
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    char launch[32] = {};
    GetEnvironmentVariableA("TYPELENS_PHASES_LAUNCH", launch, sizeof launch);
    const double launched = std::strtoull(launch, nullptr, 10) / 1e4;
    if (line.empty()) {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        line = Entry("process created", Milliseconds(created) - launched);
    }
    line += Entry(name, Milliseconds(now) - launched);
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
