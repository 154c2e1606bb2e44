// Puts a file that the build draws into the program's read-only data, so that nothing is
// read from disk at run time.
#pragma once

#include <cstdint>
#include <span>

// The build names the folder of the drawn files as TOLM_ART_DIR. The assembler's own
// .incbin copies the file in, which keeps the compiler from parsing megabytes of array
// literals; the asm labels give the symbols the same names on every object format.
// The assembler for Windows' object format knows no section stack: there the data goes to
// .rdata and the assembler is sent back to .text, where the compiler expects it after an asm.
#if defined(_WIN32)
#define TOLM_ENTER_READ_ONLY ".section .rdata, \"dr\"\n"
#define TOLM_LEAVE_READ_ONLY ".text\n"
#else
#define TOLM_ENTER_READ_ONLY ".pushsection .rodata, \"a\"\n"
#define TOLM_LEAVE_READ_ONLY ".popsection\n"
#endif

// Each file comes with its size as a 32-bit word after it, so that C++ never subtracts
// pointers to two different objects.
#define TOLM_EMBED(name, file)                                                                     \
    __asm__(TOLM_ENTER_READ_ONLY                                                                   \
            ".balign 4\n"                                                                          \
            "tolm_embedded_" #name                                                                 \
            ":\n"                                                                                  \
            ".incbin \"" TOLM_ART_DIR "/" file                                                     \
            "\"\n"                                                                                 \
            "tolm_embedded_" #name                                                                 \
            "_end:\n"                                                                              \
            ".balign 4\n"                                                                          \
            "tolm_embedded_" #name                                                                 \
            "_size:\n"                                                                             \
            ".long tolm_embedded_" #name "_end - tolm_embedded_" #name "\n" TOLM_LEAVE_READ_ONLY); \
    extern const std::uint8_t tolm_embedded_##name[] __asm__("tolm_embedded_" #name);              \
    extern const std::uint32_t tolm_embedded_##name##_size __asm__("tolm_embedded_" #name "_size")

#define TOLM_EMBEDDED(name) std::span<const std::uint8_t>(tolm_embedded_##name, tolm_embedded_##name##_size)
