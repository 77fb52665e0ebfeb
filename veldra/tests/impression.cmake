# Tests of printing and the print preview.
veldra_gui_test(test_impression test_impression.cpp)
