# Builds the Debian package into a scratch folder and reads it back: its files, and that it
# depends on the Qt runtime and the fonts the window is laid out in.
# cmake -DBUILD=<build folder> -DSTAGE=<scratch folder> -P package_test.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${STAGE}
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${status}\n${log}")
endif()
file(GLOB debs ${STAGE}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read the package")
endif()
foreach(file ./usr/bin/tolm ./usr/share/applications/tolm.desktop
             ./usr/share/icons/hicolor/16x16/apps/tolm.png ./usr/share/icons/hicolor/32x32/apps/tolm.png)
  string(FIND "${contents}" " ${file}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not in the package: ${file}\n${contents}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --field ${debs} Depends OUTPUT_VARIABLE depends)
foreach(package libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins
                fonts-urw-base35 fonts-comic-neue fonts-liberation2)
  if(NOT depends MATCHES "(^|[ ,])${package}([ ,(]|\n|$)")
    message(FATAL_ERROR "the package does not depend on ${package}: ${depends}")
  endif()
endforeach()
# Where a desktop runs Wayland, the game runs there natively with Qt's Wayland plugin.
execute_process(COMMAND dpkg-deb --field ${debs} Recommends OUTPUT_VARIABLE recommends)
if(NOT recommends MATCHES "(^|[ ,])qt6-wayland([ ,(]|\n|$)")
  message(FATAL_ERROR "the package does not recommend qt6-wayland: ${recommends}")
endif()
file(REMOVE_RECURSE ${STAGE})
