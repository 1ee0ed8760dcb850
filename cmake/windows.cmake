# Windows build: pokomi.exe and the Wine test executable, statically linked.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)

set(win_sources)
foreach(dir IN ITEMS ui app ${core_dirs})
  file(GLOB dir_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp)
  foreach(f IN LISTS dir_sources)
    get_filename_component(name ${f} NAME)
    if(dir STREQUAL "ui" OR dir STREQUAL "app" OR name MATCHES "^C[A-Z]")
      if(NOT name STREQUAL "main.cpp")
        list(APPEND win_sources ${f})
      endif()
    endif()
  endforeach()
endforeach()

# comdlg32 is loaded when its first dialog opens (ui/CommonDialogs.cpp), not at start.
set(win_libs user32 gdi32 comctl32 shell32 winmm advapi32 ole32 uuid)

add_library(pokomi_win STATIC ${win_sources})
target_link_libraries(pokomi_win PUBLIC pokomi_core ${win_libs})
target_link_options(pokomi_win PUBLIC -static -static-libgcc -static-libstdc++ -municode)

set(resource_script ${PROJECT_SOURCE_DIR}/res/pokomi.rc)
file(GLOB_RECURSE resource_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/*)
set_source_files_properties(${resource_script} PROPERTIES OBJECT_DEPENDS "${resource_files}")

add_executable(pokomi WIN32 ${PROJECT_SOURCE_DIR}/src/app/main.cpp ${resource_script})
target_link_libraries(pokomi PRIVATE pokomi_win)
# Sections at page boundaries in the file as well: Wine then maps the program's image
# (only the pages used become resident) instead of reading all of it into memory.
target_link_options(pokomi PRIVATE -Wl,--file-alignment,0x1000)

# The Wine tests: one executable, one ctest entry per source file (its suites
# are named after the file), run through the Wine runner.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine-run.sh --prefix ${CMAKE_BINARY_DIR}/wineprefix)
file(GLOB wine_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/wine/*.cpp)
add_executable(wine_tests ${wine_test_sources} ${resource_script})
target_include_directories(wine_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/wine)
target_link_libraries(wine_tests PRIVATE pokomi_win GTest::gtest)
set_target_properties(wine_tests PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_CROSSCOMPILING_EMULATOR}")
set(wine_test_groups)
foreach(f IN LISTS wine_test_sources)
  get_filename_component(stem ${f} NAME_WE)
  if(NOT stem STREQUAL "WineMain" AND NOT stem MATCHES "Support$")
    list(APPEND wine_test_groups ${stem})
    add_test(NAME wine_${stem} COMMAND wine_tests --gtest_brief=1 --gtest_filter=${stem}*)
    # Sounds go through one audio device: their tests must not overlap. A hang fails, not blocks.
    set_tests_properties(wine_${stem} PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine_audio)
  endif()
endforeach()
# The high-DPI tests run again in prefixes whose screens are at 150 % and 200 %.
foreach(dpi 144 192)
  add_test(NAME wine_HighDpiTest_${dpi}
           COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-run.sh --prefix ${CMAKE_BINARY_DIR}/wineprefix-${dpi} --dpi ${dpi}
                   $<TARGET_FILE:wine_tests> --gtest_brief=1 --gtest_filter=HighDpiTest*)
  set_tests_properties(wine_HighDpiTest_${dpi} PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine_audio)
endforeach()
# A suite named otherwise than its file would be in no group and never run: this entry fails then.
string(JOIN "," wine_test_group_list ${wine_test_groups})
add_test(NAME wine_test_groups COMMAND ${PROJECT_SOURCE_DIR}/tools/check-wine-groups.sh ${wine_test_group_list}
                                       ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:wine_tests>)
set_tests_properties(wine_test_groups PROPERTIES TIMEOUT 120)

# A small tool for the run script: closes a running clock with WM_CLOSE.
add_executable(wmclose ${PROJECT_SOURCE_DIR}/tools/wmclose/wmclose.cpp)
target_compile_definitions(wmclose PRIVATE UNICODE _UNICODE)
target_link_options(wmclose PRIVATE -static -municode)

# The drawing benchmark run by tools/bench.sh (not a test).
add_executable(pokomi_bench ${PROJECT_SOURCE_DIR}/tools/bench/bench.cpp ${resource_script})
target_link_libraries(pokomi_bench PRIVATE pokomi_win)
set_target_properties(pokomi_bench PROPERTIES EXCLUDE_FROM_ALL TRUE)

# The plainest window, the floor of Wine's own cost beside the clock in tools/bench.sh;
# also stands in for the taskbar when the benchmark starts a clock minimised.
add_executable(pokomi_bare WIN32 ${PROJECT_SOURCE_DIR}/tools/bench/bare.cpp)
target_compile_definitions(pokomi_bare PRIVATE UNICODE _UNICODE)
target_link_options(pokomi_bare PRIVATE -static -municode)
set_target_properties(pokomi_bare PROPERTIES EXCLUDE_FROM_ALL TRUE)
