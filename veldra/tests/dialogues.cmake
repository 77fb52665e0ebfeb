# Tests of the element dialogs.
veldra_gui_test(test_dialogues test_dialogues.cpp)
target_include_directories(test_dialogues PRIVATE ${PROJECT_SOURCE_DIR}/grafcet/tests)
