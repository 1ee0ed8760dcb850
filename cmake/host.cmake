# Native build: the platform-free library and its tests, with sanitizers.
set(sanitize -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
target_compile_options(pokomi_core PUBLIC ${sanitize})
target_link_options(pokomi_core PUBLIC ${sanitize})

file(GLOB host_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/host/*.cpp)
add_executable(host_tests ${host_test_sources})
target_link_libraries(host_tests PRIVATE pokomi_core GTest::gtest_main)
add_test(NAME host_tests COMMAND host_tests --gtest_brief=1)
