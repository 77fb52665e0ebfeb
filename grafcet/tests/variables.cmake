# Tests of the variables and components.
veldra_gtest(test_variables test_variables.cpp)
