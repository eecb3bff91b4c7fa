# One static library per source folder, named orvane_<folder> with "/" turned into "_"
# (src/monitor/ui → orvane_monitor_ui). It compiles the folder's *.cpp and may include only
# its own headers and those of the libraries it USES (and what they use in turn): each
# library's include root is a folder in the build tree holding links to its headers alone,
# so an include that points up a layer is a missing file, not just a missing symbol.
#
#   orvane_folder_library(USES orvane_link orvane_state [Qt6::Widgets ...])
function(orvane_folder_library)
  cmake_parse_arguments(FOLDER "" "" "USES" ${ARGN})
  file(RELATIVE_PATH folder ${ORVANE_SOURCE_ROOT} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" name "orvane_${folder}")

  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header ${headers})
    get_filename_component(file ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${file} SYMBOLIC)
  endforeach()

  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${FOLDER_USES})
  orvane_warnings(${name})
endfunction()
