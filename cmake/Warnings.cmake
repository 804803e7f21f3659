# Warning flags and sanitizers shared by every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
                    -Woverloaded-virtual -Wimplicit-fallthrough)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports std::string copies as overlapping at -O3 (bug 105329): a false alarm.
  add_compile_options(-Wno-restrict)
endif()
if(TESSIVANE_WERROR)
  add_compile_options(-Werror)
endif()
if(TESSIVANE_SANITIZE)
  add_compile_options(-fsanitize=${TESSIVANE_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${TESSIVANE_SANITIZE})
endif()

# tessivane_add_test(NAME SOURCES... LIBS ...): one GoogleTest executable per layer.
function(tessivane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(NOT ARG_ENV)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "${ARG_ENV}")
endfunction()
