// Marks between the phases of start-up. The benchmark's build of the program notes when each
// phase ended (bench/phases.cpp); in Typelens.exe a mark is nothing at all.
#pragma once

namespace typelens {

#ifdef TYPELENS_PHASES
void StartupPhase(const char* name);
#else
inline void StartupPhase(const char*) {}
#endif

}  // namespace typelens
