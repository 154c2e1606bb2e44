# The web edition's tree, built by Emscripten: the floors the story needs, the page, and the
# tests that run the WebAssembly build under node and in a headless browser.

# Small over fast: the module is fetched before the first scene shows.
set(CMAKE_CXX_FLAGS_RELEASE "-Oz -DNDEBUG")

add_subdirectory(runtime)
add_subdirectory(content)
add_subdirectory(engine)
add_subdirectory(layout)
add_subdirectory(memory)
add_subdirectory(headless)
add_subdirectory(web)

enable_testing()
add_subdirectory(tests/web)
