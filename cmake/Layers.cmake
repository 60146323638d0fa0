# Layers: every library sees the headers of its own folders and of the libraries
# it links, and nothing else. Its folders are reached through an include tree of
# its own (links to the source folders), so an include from a layer above fails to
# build instead of merely looking wrong.

# korvax_layer(target FOLDERS folder... [LINKS library...]): makes the include tree
# of target from the source folders named (relative to the project), and links
# the libraries below it.
function(korvax_layer target)
  cmake_parse_arguments(ARG "" "" "FOLDERS;LINKS" ${ARGN})
  set(root ${PROJECT_BINARY_DIR}/layers/${target})
  foreach(folder IN LISTS ARG_FOLDERS)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT IS_SYMLINK ${root}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
  if(ARG_LINKS)
    target_link_libraries(${target} PUBLIC ${ARG_LINKS})
  endif()
endfunction()

# korvax_sources(var folder...): the .cpp files of the folders named.
function(korvax_sources var)
  set(globs)
  foreach(folder IN LISTS ARGN)
    list(APPEND globs ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${globs})
  set(${var} ${sources} PARENT_SCOPE)
endfunction()
