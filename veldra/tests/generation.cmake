# Tests of the generation command, its dialog and the run window.
veldra_gui_test(test_generation_gui test_generation.cpp)
target_link_libraries(test_generation_gui PRIVATE seqrun)
target_include_directories(test_generation_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../../grafcet/tests)
target_compile_definitions(test_generation_gui PRIVATE VELDRA_CLI="$<TARGET_FILE:veldra-cli>")
add_dependencies(test_generation_gui veldra-cli)
