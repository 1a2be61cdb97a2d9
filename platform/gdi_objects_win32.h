// How many GDI objects the process holds: what the benchmark and the tests watch for leaks.
#pragma once

#include <windows.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>

namespace typelens::win32 {

// Windows counts them for GetGuiResources; Wine answers 0 there, so the count falls back to the
// live entries of the process's GDI handle table, which the PEB points at on both.
inline std::size_t GdiObjectCount() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return counted;
    struct Entry {  // one slot of the shared GDI handle table
        std::uint64_t object;
        ULONG owner;
        USHORT unique;
        UCHAR type;  // 0 while the slot is free
        UCHAR flags;
        std::uint64_t user;
    };
    constexpr std::size_t kTableOffset = 0xF8;  // PEB.GdiSharedHandleTable on x64
    constexpr std::size_t kSlots = 0x10000;
    PROCESS_BASIC_INFORMATION process{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process,
                                  sizeof process, nullptr) != 0) {
        return 0;
    }
    const auto* peb = reinterpret_cast<const BYTE*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const Entry* const*>(peb + kTableOffset);
    if (!table) return 0;
    std::size_t live = 0;
    for (std::size_t i = 0; i < kSlots; ++i) live += table[i].type != 0;
    return live;
}

}  // namespace typelens::win32
