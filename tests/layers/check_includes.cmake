# Reads every #include of the sources under SOURCE_ROOT against the libraries each folder declares
# it uses, and fails naming every include that reaches outside them:
#   - a header of a folder the including folder does not use, directly or through what it uses;
#   - a path that climbs out of its folder ("../x.h") or reaches a sibling folder through the
#     including file's own directory ("ui/x.h" from src/monitor).
# A folder's uses are the orvane_ libraries named in its orvane_folder_library(USES ...); the files
# at the root belong to the program, whose uses are the libraries ROOT_TARGET links.
#
#   cmake -DSOURCE_ROOT=<src> -DROOT_TARGET=orvane-trend -P check_includes.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_ROOT)
  message(FATAL_ERROR "usage: cmake -DSOURCE_ROOT=<folder> [-DROOT_TARGET=<target>] -P check_includes.cmake")
endif()

function(library_of folder out)
  string(REPLACE "/" "_" name "orvane_${folder}")
  set(${out} ${name} PARENT_SCOPE)
endfunction()

# The orvane_ libraries named in the first call that `opening` (a regular expression) starts.
function(named_libraries list_file opening out)
  file(READ ${list_file} text)
  string(REGEX MATCH "${opening}[^)]*\\)" call "${text}")
  string(REGEX MATCHALL "orvane_[a-z0-9_]+" libraries "${call}")
  list(REMOVE_ITEM libraries orvane_folder_library)
  set(${out} ${libraries} PARENT_SCOPE)
endfunction()

# The folders and what each uses directly.
file(GLOB_RECURSE lists RELATIVE ${SOURCE_ROOT} ${SOURCE_ROOT}/*/CMakeLists.txt)
set(folders "")
foreach(list ${lists})
  get_filename_component(folder ${list} DIRECTORY)
  list(APPEND folders ${folder})
  library_of(${folder} library)
  set(folder_of_${library} ${folder})
  named_libraries(${SOURCE_ROOT}/${list} "orvane_folder_library\\(" uses_${folder})
endforeach()
set(uses_ "")
if(ROOT_TARGET)
  named_libraries(${SOURCE_ROOT}/CMakeLists.txt "target_link_libraries\\(${ROOT_TARGET} " uses_)
endif()

# What each folder may include: its own headers and those of everything it uses, transitively.
foreach(folder "" ${folders})
  set(reached "")
  set(pending ${uses_${folder}})
  while(pending)
    list(POP_FRONT pending library)
    if(library IN_LIST reached)
      continue()
    endif()
    list(APPEND reached ${library})
    if(NOT DEFINED folder_of_${library})
      list(APPEND refusals "${folder}/CMakeLists.txt: uses ${library}, which no folder defines")
      continue()
    endif()
    list(APPEND pending ${uses_${folder_of_${library}}})
  endwhile()
  set(visible_${folder} ${folder})
  foreach(library ${reached})
    list(APPEND visible_${folder} ${folder_of_${library}})
  endforeach()
endforeach()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_ROOT} ${SOURCE_ROOT}/*.cpp ${SOURCE_ROOT}/*.h)
foreach(source ${sources})
  get_filename_component(folder ${source} DIRECTORY)
  file(STRINGS ${SOURCE_ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*" "\\1" path "${line}")
    get_filename_component(included ${path} DIRECTORY)
    if(line MATCHES "<" AND NOT included IN_LIST folders)
      continue() # a system or third-party header
    endif()
    if(path MATCHES "(^|/)\\.\\.?/")
      list(APPEND refusals "${source}: \"${path}\" climbs out of its folder")
    elseif(NOT included IN_LIST folders)
      list(APPEND refusals "${source}: \"${path}\" is not named by its folder from the source root")
    elseif(NOT included IN_LIST visible_${folder})
      list(APPEND refusals "${source}: \"${path}\" is a header of ${included}, which this folder does not use")
    endif()
  endforeach()
endforeach()

if(refusals)
  foreach(refusal ${refusals})
    message(NOTICE ${refusal})
  endforeach()
  list(LENGTH refusals count)
  message(FATAL_ERROR "${count} includes outside the folders' declared uses")
endif()
list(LENGTH sources count)
message(STATUS "${count} files include only what their folders use")
