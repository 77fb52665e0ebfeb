# Tests of the target and diagram nomenclatures.
veldra_gui_test(test_nomenclature test_nomenclature.cpp)
target_include_directories(test_nomenclature PRIVATE ${PROJECT_SOURCE_DIR}/grafcet/tests)
