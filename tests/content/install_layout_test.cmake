# Installs the built game into a scratch folder and checks that the program, the menu entry,
# the software-centre metadata, every icon size, the manual pages (English without a locale,
# Czech under cs) and the copyright land where a Linux desktop and Debian look for them.
# cmake -DBUILD=<build folder> -DSTAGE=<scratch folder> -P install_layout_test.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
set(files games/tolm share/applications/cz.tolm.Tolm.desktop share/metainfo/cz.tolm.Tolm.metainfo.xml
          share/man/man6/tolm.6.gz share/man/cs/man6/tolm.6.gz share/doc/tolm/copyright share/doc/tolm/changelog.gz)
foreach(size 16 32 48 64 128 256)
  list(APPEND files share/icons/hicolor/${size}x${size}/apps/tolm.png)
endforeach()
foreach(file ${files})
  if(NOT EXISTS ${STAGE}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The entry starts the installed program by name and shows the installed icon, with its words in
# Czech and in English; the metainfo launches the entry by its file name.
file(STRINGS ${STAGE}/share/applications/cz.tolm.Tolm.desktop entry ENCODING UTF-8)
foreach(line "Exec=tolm" "Icon=tolm" "Name=Tolm" "Name[en]=Tolm" "GenericName=Textová hra" "GenericName[en]=Story game")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(READ ${STAGE}/share/metainfo/cz.tolm.Tolm.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">cz.tolm.Tolm.desktop</launchable>")
  message(FATAL_ERROR "the metainfo does not launch cz.tolm.Tolm.desktop")
endif()

file(REMOVE_RECURSE ${STAGE})
