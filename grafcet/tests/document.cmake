# Tests of the diagram document.
veldra_gtest(test_document test_document.cpp)
