# Tests of the diagram view.
veldra_gui_test(test_vue test_vue.cpp)
