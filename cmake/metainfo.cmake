# The software centre's metainfo, written from its template. Software centres take screenshots
# only from the web, so they are listed only when there is a web folder that holds them (the
# pictures the build draws into screenshots/appstream/); without one the metainfo has none,
# rather than links that lead nowhere.
#   included:     tolm_write_metainfo(<template> <output> <url> <captions>),
#                 tolm_draw_screenshots(<captions> <plays> <folder>)
#   as a script:  cmake -DTEMPLATE=... -DOUTPUT=... -DURL=... -DCAPTIONS=... -P metainfo.cmake

# The names of the screenshots in content/screenshots.txt, in its order.
function(tolm_screenshot_names captions out)
  file(STRINGS ${captions} rows REGEX "^[^#]" ENCODING UTF-8)
  set(names)
  foreach(row ${rows})
    string(REGEX REPLACE "\\|.*" "" name "${row}")
    list(APPEND names ${name})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

function(tolm_write_metainfo template output url captions)
  set(TOLM_SCREENSHOTS "")
  if(url)
    file(STRINGS ${captions} rows REGEX "^[^#]" ENCODING UTF-8)
    set(kind " type=\"default\"")
    string(APPEND TOLM_SCREENSHOTS "  <screenshots>\n")
    foreach(row ${rows})
      string(REPLACE "|" ";" fields "${row}")
      list(GET fields 0 name)
      list(GET fields 1 english)
      list(GET fields 2 czech)
      string(APPEND TOLM_SCREENSHOTS
        "    <screenshot${kind}>\n"
        "      <caption>${english}</caption>\n"
        "      <caption xml:lang=\"cs\">${czech}</caption>\n"
        "      <image type=\"source\">${url}/${name}.png</image>\n"
        "    </screenshot>\n")
      set(kind "")
    endforeach()
    string(APPEND TOLM_SCREENSHOTS "  </screenshots>")
  endif()
  configure_file(${template} ${output} @ONLY)
endfunction()

# The choices that tools/shot/endings.txt plays to reach the screenshot NAME.
function(tolm_screenshot_play plays name out)
  file(STRINGS ${plays} rows REGEX "^${name}( |$)" ENCODING UTF-8)
  list(LENGTH rows count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${plays} has no single line for the screenshot ${name}")
  endif()
  string(REPLACE " " ";" choices "${rows}")
  list(REMOVE_AT choices 0)
  set(${out} ${choices} PARENT_SCOPE)
endfunction()

# Draws the screenshots into DIR with tools/shot on Qt's offscreen platform, which needs no
# display and gives the same bytes on every run.
function(tolm_draw_screenshots captions plays dir)
  tolm_screenshot_names(${captions} names)
  set(runtime ${CMAKE_CURRENT_BINARY_DIR}/screenshot-runtime)
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set(shots)
  foreach(name ${names})
    tolm_screenshot_play(${plays} ${name} choices)
    add_custom_command(
      OUTPUT ${dir}/${name}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${runtime}
              $<TARGET_FILE:tolm-shot> ${dir}/${name}.png ${choices}
      DEPENDS tolm-shot ${plays}
      VERBATIM)
    list(APPEND shots ${dir}/${name}.png)
  endforeach()
  add_custom_target(tolm_screenshots ALL DEPENDS ${shots})
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  tolm_write_metainfo(${TEMPLATE} ${OUTPUT} "${URL}" ${CAPTIONS})
endif()
