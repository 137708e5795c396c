# Fails when a source folder includes a header of a folder above it.
#
#   cmake -DROOT=<source dir> -DFOLDERS=<folders bottom to top, ;-separated> -P check_layering.cmake
#
# A folder may include its own headers and those of the folders before it in FOLDERS. Its
# tests (tests/<folder>) and benchmarks (bench/<folder>) follow the same rule, and may also use
# the tests of the folders below it and the shared test support.

if(NOT ROOT OR NOT FOLDERS)
  message(FATAL_ERROR "check_layering: ROOT and FOLDERS are required")
endif()

set(violations "")
set(checked 0)
set(allowed "")
foreach(folder IN LISTS FOLDERS)
  list(APPEND allowed ${folder})
  foreach(prefix "" "tests/" "bench/")
    set(dir ${ROOT}/${prefix}${folder})
    if(NOT IS_DIRECTORY ${dir})
      continue()
    endif()
    file(GLOB_RECURSE sources ${dir}/*.h ${dir}/*.hpp ${dir}/*.cpp ${dir}/*.cc)
    foreach(source IN LISTS sources)
      math(EXPR checked "${checked} + 1")
      file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
      foreach(line IN LISTS lines)
        if(NOT line MATCHES "\"([^\"/]+)/([^\"/]+)/?[^\"]*\"")
          continue()
        endif()
        set(top ${CMAKE_MATCH_1})
        set(second ${CMAKE_MATCH_2})
        # Test and benchmark helpers belong to the folder they are in.
        if(top STREQUAL "tests" OR top STREQUAL "bench")
          if(second STREQUAL "support")
            continue()
          endif()
          set(top ${second})
        endif()
        list(FIND FOLDERS ${top} position)
        if(position LESS 0)
          continue() # not one of the program's folders
        endif()
        list(FIND allowed ${top} below)
        if(below LESS 0)
          file(RELATIVE_PATH shown ${ROOT} ${source})
          string(STRIP "${line}" line)
          string(APPEND violations "  ${shown}: ${line} (${folder} comes before ${top})\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "check_layering: no source file found under ${ROOT}")
endif()
if(violations)
  message(FATAL_ERROR "Includes that point up the folder order:\n${violations}")
endif()
message(STATUS "check_layering: ${checked} files include only folders below them")
