# What the Windows programs need beside them at run time, copied into the program
# folder: Qt's DLLs and the plugins the designer uses, the mingw runtime DLLs and a
# qt.conf that keeps Qt to that folder, wherever it is unpacked.
get_filename_component(QT_WINDOWS_ROOT "${Qt6_DIR}/../../.." ABSOLUTE)
set(QT_RUNTIME_DLLS Core Gui Widgets Test)
list(TRANSFORM QT_RUNTIME_DLLS PREPEND ${QT_WINDOWS_ROOT}/bin/Qt6)
list(TRANSFORM QT_RUNTIME_DLLS APPEND .dll)

set(MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    # The compiler names only its own libraries; the threads library lies in the sysroot.
    find_file(found_${dll} ${dll} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH
      NO_CMAKE_FIND_ROOT_PATH)
    set(found ${found_${dll}})
  endif()
  if(NOT EXISTS "${found}")
    message(FATAL_ERROR "The mingw runtime ${dll} was not found")
  endif()
  list(APPEND MINGW_RUNTIME_DLLS ${found})
endforeach()

set(QT_PLUGINS platforms/qwindows.dll platforms/qoffscreen.dll
  styles/qwindowsvistastyle.dll
  imageformats/qgif.dll imageformats/qjpeg.dll imageformats/qico.dll)
set(copy_plugins)
foreach(plugin ${QT_PLUGINS})
  get_filename_component(kind ${plugin} DIRECTORY)
  list(APPEND copy_plugins
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_FOLDER}/${kind}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QT_WINDOWS_ROOT}/plugins/${plugin}
            ${PROGRAM_FOLDER}/${kind})
endforeach()

add_custom_target(windows_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QT_RUNTIME_DLLS} ${MINGW_RUNTIME_DLLS}
          ${PROGRAM_FOLDER}
  ${copy_plugins}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/cmake/qt.conf
          ${PROGRAM_FOLDER}
  COMMENT "Copying the Qt and mingw runtime beside the Windows programs")
