# Installs the build into a fresh prefix and checks what a desktop needs of it:
# the program, its desktop entry with the types it opens, the definitions of the
# types that have none elsewhere, and the icon.
# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/korvax share/applications/korvax.desktop share/mime/packages/korvax.xml share/pixmaps/korvax.xpm)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(STRINGS ${PREFIX}/share/applications/korvax.desktop entry)
foreach(line "[Desktop Entry]" "Type=Application" "Exec=korvax %F" "Icon=korvax"
             "MimeType=application/x-delphi-project;text/x-pascal;application/x-delphi-form;")
  list(FIND entry "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks the line ${line}")
  endif()
endforeach()

# The types' definitions make a database that maps the extensions to them.
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
  execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "update-mime-database rejects the types: ${result}")
  endif()
  file(READ ${PREFIX}/share/mime/globs2 globs)
  foreach(glob "application/x-delphi-project:*.dpr" "application/x-delphi-form:*.dfm")
    string(FIND "${globs}" "${glob}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "no ${glob} in the types' database:\n${globs}")
    endif()
  endforeach()
endif()
file(REMOVE_RECURSE ${PREFIX})
