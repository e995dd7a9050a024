# The Windows build: cross-compiled with packaging/windows/mingw-w64.cmake
# against a static Qt and a static QScintilla (./dev windows builds them).
# Included at the end of the top CMakeLists.txt, when every target exists.

# The static QScintilla prints through Qt PrintSupport.
find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
target_link_libraries(torvane PUBLIC Qt6::PrintSupport)

# The host's rcc compresses with zstd, which the Windows Qt cannot read back.
set_property(TARGET torvane APPEND PROPERTY AUTORCC_OPTIONS --no-zstd)

# The editor is a windowed program: no console opens beside it.
set_target_properties(torvane-edit PROPERTIES WIN32_EXECUTABLE ON)

if(BUILD_TESTING)
  add_subdirectory(tests/windows)
endif()

# Every program of the build, in this folder and below.
function(torvane_executables dir out)
  set(found)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t ${targets})
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "EXECUTABLE")
      list(APPEND found ${t})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    torvane_executables(${sub} more)
    list(APPEND found ${more})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

torvane_executables(${PROJECT_SOURCE_DIR} TORVANE_WINDOWS_PROGRAMS)
foreach(program ${TORVANE_WINDOWS_PROGRAMS})
  # The C and C++ runtimes linked in: nothing but the system's own DLLs is
  # needed to start.
  target_link_options(${program} PRIVATE -static -static-libgcc -static-libstdc++)
  # A static Qt has only the plugins linked in: the windows platform for the
  # desktop, offscreen for the headless tests, the native widget style, and
  # the readers of the pictures' formats (the splash banner is a JPEG, the
  # about box picture a GIF, the icons ICO).
  qt_import_plugins(${program}
    INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin Qt6::QWindowsVistaStylePlugin
            Qt6::QJpegPlugin Qt6::QGifPlugin Qt6::QICOPlugin)
endforeach()

# build-windows/torvane-edit-<version>-win64.zip: the programs, stripped,
# with the licence and a short README in Windows line ends.
set(TORVANE_ZIP_NAME torvane-edit-${PROJECT_VERSION}-win64)
set(TORVANE_ZIP_STAGE ${PROJECT_BINARY_DIR}/zip/${TORVANE_ZIP_NAME})
foreach(text LICENSE packaging/windows/README.txt)
  file(READ ${PROJECT_SOURCE_DIR}/${text} content)
  string(REPLACE "\r\n" "\n" content "${content}")
  string(REPLACE "\n" "\r\n" content "${content}")
  get_filename_component(stem ${text} NAME_WE)
  file(WRITE ${PROJECT_BINARY_DIR}/zip/${stem}.txt "${content}")
endforeach()
set(TORVANE_ZIP_PROGRAMS torvane-edit)
if(TARGET torvane-cogcheck)
  list(APPEND TORVANE_ZIP_PROGRAMS torvane-cogcheck)
endif()
find_program(TORVANE_MINGW_STRIP NAMES ${TORVANE_MINGW}-strip x86_64-w64-mingw32-strip REQUIRED)
set(TORVANE_ZIP_COMMANDS)
foreach(program ${TORVANE_ZIP_PROGRAMS})
  list(APPEND TORVANE_ZIP_COMMANDS
       COMMAND ${TORVANE_MINGW_STRIP} -o ${TORVANE_ZIP_STAGE}/$<TARGET_FILE_NAME:${program}> $<TARGET_FILE:${program}>)
endforeach()
add_custom_target(windows-zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${TORVANE_ZIP_STAGE} ${PROJECT_BINARY_DIR}/${TORVANE_ZIP_NAME}.zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TORVANE_ZIP_STAGE}
  ${TORVANE_ZIP_COMMANDS}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_BINARY_DIR}/zip/LICENSE.txt ${PROJECT_BINARY_DIR}/zip/README.txt
          ${TORVANE_ZIP_STAGE}
  COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/zip
          ${CMAKE_COMMAND} -E tar cf ${PROJECT_BINARY_DIR}/${TORVANE_ZIP_NAME}.zip --format=zip ${TORVANE_ZIP_NAME}
  DEPENDS ${TORVANE_ZIP_PROGRAMS}
  COMMENT "Packing ${TORVANE_ZIP_NAME}.zip"
  VERBATIM)
