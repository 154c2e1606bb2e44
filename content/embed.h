// Puts a file that the build draws into the program's read-only data, so that nothing is
// read from disk at run time.
#pragma once

#include <cstdint>
#include <span>

// The build names the folder of the drawn files as TOLM_ART_DIR. The assembler's own
// .incbin copies the file in, which keeps the compiler from parsing megabytes of array
// literals; the asm labels give the symbols the same names on every object format.
#if defined(_WIN32)
#define TOLM_READ_ONLY_SECTION ".rdata, \"dr\""
#else
#define TOLM_READ_ONLY_SECTION ".rodata, \"a\""
#endif

// Each file comes with its size as a 32-bit word after it, so that C++ never subtracts
// pointers to two different objects.
#define TOLM_EMBED(name, file)                                                   \
    __asm__(".pushsection " TOLM_READ_ONLY_SECTION "\n"                          \
            ".balign 4\n"                                                        \
            "tolm_embedded_" #name ":\n"                                         \
            ".incbin \"" TOLM_ART_DIR "/" file "\"\n"                            \
            "tolm_embedded_" #name "_end:\n"                                     \
            ".balign 4\n"                                                        \
            "tolm_embedded_" #name "_size:\n"                                    \
            ".long tolm_embedded_" #name "_end - tolm_embedded_" #name "\n"     \
            ".popsection\n");                                                    \
    extern const std::uint8_t tolm_embedded_##name[] __asm__("tolm_embedded_" #name); \
    extern const std::uint32_t tolm_embedded_##name##_size __asm__(             \
        "tolm_embedded_" #name "_size")

#define TOLM_EMBEDDED(name) std::span<const std::uint8_t>(tolm_embedded_##name, tolm_embedded_##name##_size)
