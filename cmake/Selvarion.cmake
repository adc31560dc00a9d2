# selv_add_resources(<target> <symbol> DIRS <dir>... [DEPENDS <file-or-target>...])
# Compiles the resource folders into a table `const rsrc::ResourceModule <symbol>`
# and adds it to <target>. Files in the folders are tracked; folders filled at build
# time must name what fills them under DEPENDS.
function(selv_add_resources target symbol)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPENDS" ${ARGN})
  set(files)
  foreach(dir IN LISTS ARG_DIRS)
    if(EXISTS ${dir})
      file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*)
      list(APPEND files ${found})
    endif()
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND rescomp ${out} ${symbol} ${ARG_DIRS}
    DEPENDS rescomp ${files} ${ARG_DEPENDS}
    COMMENT "Compiling resources ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform)
endfunction()

# Adds every immediate subfolder of the current folder that has a CMakeLists.txt.
macro(selv_add_subdirs)
  file(GLOB _selv_children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _selv_children)
  foreach(_selv_child IN LISTS _selv_children)
    if(IS_DIRECTORY ${_selv_child} AND EXISTS ${_selv_child}/CMakeLists.txt)
      add_subdirectory(${_selv_child})
    endif()
  endforeach()
endmacro()

# A test or benchmark program in <folder> of the build tree, told where the program folder
# and the sources are.
function(_selv_add_check_program name folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${folder})
  target_compile_definitions(${name} PRIVATE SELV_PROGRAM_DIR="${SELV_PROGRAM_DIR}" SELV_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    SELV_REPRO_DIR="${SELV_REPRO_DIR}")
endfunction()

# selv_add_gtest(<name> SOURCES <file>... LIBS <lib>...): one GoogleTest program, registered with CTest.
function(selv_add_gtest name)
  _selv_add_check_program(${name} tests ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # Leaks are not looked for: the tests keep one application object to the end on purpose.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

# selv_add_benchmark(<name> SOURCES <file>... LIBS <lib>...)
function(selv_add_benchmark name)
  _selv_add_check_program(${name} bench ${ARGN})
  target_link_libraries(${name} PRIVATE benchmark::benchmark benchmark::benchmark_main)
endfunction()
