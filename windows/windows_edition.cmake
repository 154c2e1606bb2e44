# The Windows edition's tree, built by MinGW-w64: the floors the story needs, the Win32 front-end,
# Tolm.exe with its zip, and the tests that run the Windows builds under Wine.
enable_language(RC)

set(TOLM_PICTURES_TOOL "" CACHE FILEPATH "tolm_pictures from the desktop build, which draws the pictures")
if(NOT EXISTS "${TOLM_PICTURES_TOOL}")
  message(FATAL_ERROR "Set TOLM_PICTURES_TOOL to the tolm_pictures program of a desktop build (`make windows` does).")
endif()

# Windows' own headers are C headers with their own ways; the project's code stays warning-free.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)

add_subdirectory(runtime)
add_subdirectory(content)
add_subdirectory(engine)
add_subdirectory(layout)
add_subdirectory(memory)
add_subdirectory(headless)
add_subdirectory(windows)
add_subdirectory(app)
add_subdirectory(bench/windows)

# The zip a player downloads: Tolm.exe at its root, the licences and a read-me in both languages.
set(zip_dir ${CMAKE_BINARY_DIR}/zip)
set(zip ${CMAKE_BINARY_DIR}/tolm-windows.zip)
add_custom_command(
  OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${zip_dir}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${zip_dir}/licences
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Tolm> ${PROJECT_SOURCE_DIR}/LICENSE ${zip_dir}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/windows/README.txt ${zip_dir}/README.txt
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${TOLM_FONT_LICENCES} ${zip_dir}/licences
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E chdir ${zip_dir} ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip
          Tolm.exe LICENSE README.txt licences
  DEPENDS Tolm ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/windows/README.txt
  COMMENT "Packing tolm-windows.zip"
  VERBATIM)
add_custom_target(tolm_windows_zip ALL DEPENDS ${zip})

enable_testing()
add_subdirectory(tests/windows)
