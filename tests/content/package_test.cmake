# The Debian package, built into a scratch folder and unpacked into an empty root as dpkg
# would install it; each STEP reads it back (build comes first, the others need it):
#   build      cpack, then dpkg -x into STAGE/root
#   files      every file's place, mode and owner, and what the package depends on
#   lintian    Debian's own checker: no error and no warning
#   metadata   the software-centre metadata and the menu entry, as installed, and that they agree
#   start      the installed program, on the offscreen platform, up to its first frame
# cmake -DSTEP=<step> -DBUILD=<build folder> -DSTAGE=<scratch folder> [-DPLUGINS=<Qt plugin folder>]
#       -P package_test.cmake
cmake_minimum_required(VERSION 3.25)
set(root ${STAGE}/root)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed (${status}):\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(find_package_file out)
  file(GLOB debs ${STAGE}/*.deb)
  list(LENGTH debs count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb in ${STAGE}, found: ${debs}")
  endif()
  set(${out} ${debs} PARENT_SCOPE)
endfunction()

if(STEP STREQUAL "build")
  file(REMOVE_RECURSE ${STAGE})
  run(cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${STAGE})
  find_package_file(deb)
  file(MAKE_DIRECTORY ${root})
  run(dpkg -x ${deb} ${root})

elseif(STEP STREQUAL "files")
  find_package_file(deb)
  # Every file and folder, with its mode: exactly these, so that nothing stray gets in.
  set(expected
    "755 usr/games" "755 usr/games/tolm"
    "755 usr/share/applications" "644 usr/share/applications/cz.tolm.Tolm.desktop"
    "755 usr/share/metainfo" "644 usr/share/metainfo/cz.tolm.Tolm.metainfo.xml"
    "755 usr/share/man" "755 usr/share/man/man6" "644 usr/share/man/man6/tolm.6.gz"
    "755 usr/share/man/cs" "755 usr/share/man/cs/man6" "644 usr/share/man/cs/man6/tolm.6.gz"
    "755 usr/share/doc" "755 usr/share/doc/tolm"
    "644 usr/share/doc/tolm/copyright" "644 usr/share/doc/tolm/changelog.gz"
    "755 usr" "755 usr/share" "755 usr/share/icons" "755 usr/share/icons/hicolor")
  foreach(size 16 32 48 64 128 256)
    list(APPEND expected "755 usr/share/icons/hicolor/${size}x${size}"
                         "755 usr/share/icons/hicolor/${size}x${size}/apps"
                         "644 usr/share/icons/hicolor/${size}x${size}/apps/tolm.png")
  endforeach()
  run(find ${root} -mindepth 1 -printf "%m %P\\n")
  string(REPLACE "\n" ";" found "${out}")
  list(FILTER found EXCLUDE REGEX "^$")
  list(SORT found)
  list(SORT expected)
  if(NOT found STREQUAL expected)
    string(REPLACE ";" "\n  " found "${found}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "the package holds\n  ${found}\nwhere it should hold\n  ${expected}")
  endif()

  run(dpkg-deb --contents ${deb})
  string(REPLACE "\n" ";" entries "${out}")
  list(FILTER entries EXCLUDE REGEX "^$")
  foreach(entry ${entries})
    if(NOT entry MATCHES "^[-d][rwx-]+ root/root ")
      message(FATAL_ERROR "not a plain file or folder owned by root: ${entry}")
    endif()
  endforeach()

  # The program is stripped: its symbol table stays in the build tree.
  run(readelf --sections -W ${root}/usr/games/tolm)
  if(out MATCHES "\\.symtab|\\.debug_|\\.comment")
    message(FATAL_ERROR "usr/games/tolm is not stripped:\n${out}")
  endif()

  # The changelog, the manual pages, the metainfo and the program name the package's own version.
  run(dpkg-deb --field ${deb} Version)
  string(STRIP "${out}" version)
  run(gzip -dc ${root}/usr/share/doc/tolm/changelog.gz)
  if(NOT out MATCHES "^tolm \\(${version}\\) ")
    message(FATAL_ERROR "the changelog's latest entry is not version ${version}:\n${out}")
  endif()
  foreach(page man6 cs/man6)
    run(gzip -dc ${root}/usr/share/man/${page}/tolm.6.gz)
    if(NOT out MATCHES "\n\\.TH TOLM 6 \"[-0-9]+\" \"Tolm ${version}\"")
      message(FATAL_ERROR "the manual page in ${page} is not of version ${version}")
    endif()
  endforeach()
  run(${root}/usr/games/tolm --version)
  if(NOT out STREQUAL "tolm ${version}\n")
    message(FATAL_ERROR "the program says it is \"${out}\", not tolm ${version}")
  endif()
  file(READ ${root}/usr/share/metainfo/cz.tolm.Tolm.metainfo.xml metainfo)
  if(NOT metainfo MATCHES "<releases>[ \n]*<release version=\"${version}\"")
    message(FATAL_ERROR "the metainfo's latest release is not ${version}")
  endif()

  # The Qt runtime and the fonts the window is laid out in.
  run(dpkg-deb --field ${deb} Depends)
  foreach(package libqt6widgets6 libqt6gui6 libqt6core6 libxcb1 libxcb-xkb1 fonts-urw-base35 fonts-comic-neue fonts-liberation2)
    if(NOT out MATCHES "(^|[ ,])${package}([ ,(]|\n|$)")
      message(FATAL_ERROR "the package does not depend on ${package}: ${out}")
    endif()
  endforeach()
  # The list is kept by hand, so every library the program is linked against is looked up here:
  # the package that holds it on this system must be among the dependencies.
  # The dependencies' names alone, without their versions.
  string(REGEX REPLACE " *\\([^)]*\\)" "" depends "${out}")
  string(STRIP "${depends}" depends)
  string(REGEX REPLACE " *, *" ";" depends "${depends}")
  run(gcc -print-multiarch)
  string(STRIP "${out}" multiarch)
  run(objdump -p ${root}/usr/games/tolm)
  string(REGEX MATCHALL "NEEDED +[^\n]+" needed "${out}")
  # A build with the sanitizers is only ever tested, never shipped, and links what its checks
  # need; the libraries of a shipped build are the ones that count.
  if(needed MATCHES "NEEDED +lib(a|ub|t)san\\.so")
    set(needed "")
  endif()
  foreach(entry IN LISTS needed)
    string(REGEX REPLACE "NEEDED +" "" library "${entry}")
    string(STRIP "${library}" library)
    execute_process(COMMAND dpkg -S "*/${multiarch}/${library}" OUTPUT_VARIABLE owners RESULT_VARIABLE status
                    ERROR_QUIET)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "no installed package holds ${library}, which the program needs")
    endif()
    string(REGEX MATCH "^[^:,]+" owner "${owners}")
    if(NOT owner IN_LIST depends)
      message(FATAL_ERROR "the program needs ${library} from ${owner}, which the package does not depend on: ${depends}")
    endif()
  endforeach()
  # Where a desktop runs Wayland, the game runs there natively with Qt's Wayland plugin.
  run(dpkg-deb --field ${deb} Recommends)
  if(NOT out MATCHES "(^|[ ,])qt6-wayland([ ,(]|\n|$)")
    message(FATAL_ERROR "the package does not recommend qt6-wayland: ${out}")
  endif()

elseif(STEP STREQUAL "lintian")
  find_package_file(deb)
  # --pedantic and -I show every remark; only errors and warnings fail.
  run(lintian --pedantic -I --fail-on error,warning ${deb})
  message(STATUS "lintian:\n${out}")

elseif(STEP STREQUAL "metadata")
  # validate-tree also checks that the desktop entry the metainfo launches is installed.
  run(appstreamcli validate-tree --no-net --strict ${root})
  run(desktop-file-validate ${root}/usr/share/applications/cz.tolm.Tolm.desktop)
  # The menu and the software centre call the game by the same name and summary: the entry's
  # base words are Czech, the metainfo's English.
  file(STRINGS ${root}/usr/share/applications/cz.tolm.Tolm.desktop entry ENCODING UTF-8)
  file(READ ${root}/usr/share/metainfo/cz.tolm.Tolm.metainfo.xml metainfo)
  foreach(pair "Name=|<name>" "Comment[en]=|<summary>" "Comment=|<summary xml:lang=\"cs\">")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 key)
    list(GET pair 1 tag)
    set(value)
    foreach(line ${entry})
      string(FIND "${line}" "${key}" at)
      if(at EQUAL 0)
        string(LENGTH "${key}" length)
        string(SUBSTRING "${line}" ${length} -1 value)
      endif()
    endforeach()
    string(FIND "${metainfo}" "${tag}${value}</" at)
    if(NOT value OR at EQUAL -1)
      message(FATAL_ERROR "the desktop entry's ${key}${value} is not the metainfo's ${tag}")
    endif()
  endforeach()

elseif(STEP STREQUAL "start")
  # Qt's generic plugin ends the program at its first frame; a game that never gets there
  # runs into the timeout.
  file(MAKE_DIRECTORY ${STAGE}/runtime)
  file(CHMOD ${STAGE}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=${PLUGINS}
                          QT_QPA_GENERIC_PLUGINS=tolmfirstframe XDG_RUNTIME_DIR=${STAGE}/runtime
                          ${root}/usr/games/tolm
                  TIMEOUT 60 RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT out MATCHES "painted=")
    message(FATAL_ERROR "the installed program did not paint its window (${status}):\n${out}${errors}")
  endif()
  message(STATUS "first frame: ${out}")

else()
  message(FATAL_ERROR "unknown STEP '${STEP}'")
endif()
