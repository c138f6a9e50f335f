# nv_folder_library(<target> [SUBFOLDERS <names...>] LIBS <deps...>)
# A library made of every .cpp/.h in one folder and in the subfolders it names
# (no others). A folder that has no sources yet becomes an interface library so
# that dependents link.
function(nv_folder_library target)
  cmake_parse_arguments(ARG "" "" "SUBFOLDERS;LIBS" ${ARGN})
  set(_src)
  set(_hdr)
  foreach(_dir "." ${ARG_SUBFOLDERS})
    file(GLOB _dir_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${_dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${_dir}/*.c)
    file(GLOB _dir_hdr CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${_dir}/*.h)
    list(APPEND _src ${_dir_src})
    list(APPEND _hdr ${_dir_hdr})
  endforeach()
  if(_src)
    add_library(${target} STATIC ${_src} ${_hdr})
    target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# nv_folder_tests(<label> LIBS <deps...>)
# One GoogleTest executable from every .cpp of the current test folder; each test
# case is registered with CTest under the label. Widget tests run offscreen.
function(nv_folder_tests label)
  cmake_parse_arguments(ARG "" "TIMEOUT" "LIBS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _src)
    return()
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  set(target test_${label})
  add_executable(${target} ${_src})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} nvtestcommon GTest::gtest Qt6::Test)
  target_compile_definitions(${target} PRIVATE
    NV_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}"
    NV_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${label} TIMEOUT ${ARG_TIMEOUT}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen;MIBS=;NV_BIN_DIR=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
endfunction()

# nv_install_program(<target>...)
# Installs programs into bin/ of the prefix. What they read at run time is
# found from there (../share/hv720, see platform/RuntimeFiles), so a copy
# installed under any prefix works without the build tree.
function(nv_install_program)
  foreach(_target ${ARGN})
    install(TARGETS ${_target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endforeach()
endfunction()
