# Installs the built game into a scratch folder and checks that the program, the desktop
# entry and both icon sizes land where a Linux desktop looks for them.
# cmake -DBUILD=<build folder> -DSTAGE=<scratch folder> -P install_layout_test.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(file bin/tolm share/applications/tolm.desktop
             share/icons/hicolor/16x16/apps/tolm.png share/icons/hicolor/32x32/apps/tolm.png)
  if(NOT EXISTS ${STAGE}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The entry starts the installed program by name and shows the installed icon.
file(STRINGS ${STAGE}/share/applications/tolm.desktop entry)
foreach(line "Exec=tolm" "Icon=tolm")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${STAGE})
